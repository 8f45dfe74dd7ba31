// The list of generators and where each one's pictures and sounds go.
#include <future>

#include "assets.h"
#include "faces.h"
#include "monsters.h"
#include "tiles.h"
#include "world_maps.h"

namespace assetgen {
namespace {

using Job = Assets (*)();

// Built-in pictures: "<array>/<label>" as PNG.
Assets builtIn(const std::string& array, const std::string& title, std::vector<Image> images,
               std::vector<std::string> labels = {}) {
    Assets a;
    PictureGroup g{title, {}};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::string label = i < labels.size() ? labels[i] : std::to_string(i);
        a.builtIn.emplace_back(array + "/" + label, encodePng(images[i]));
        g.pictures.push_back({label, std::move(images[i])});
    }
    a.groups.push_back(std::move(g));
    return a;
}

Assets tiles() { return builtIn("Tiles", "Tiles", makeTiles()); }
Assets faces() { return builtIn("img", "Faces (img)", makeFaces()); }

// graphics/<n>.gif for pictures numbered from `first`.
Assets gifFiles(const std::string& title, const std::string& prefix, int first, std::vector<Image> images, int sheetScale = 0) {
    Assets a;
    PictureGroup g{title, {}, sheetScale};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::string n = std::to_string(first + static_cast<int>(i));
        a.files["graphics/" + prefix + n + ".gif"] = encodeGif(images[i]);
        g.pictures.push_back({n, std::move(images[i])});
    }
    a.groups.push_back(std::move(g));
    return a;
}

Assets monsters() { return gifFiles("Monsters", "", 1, makeMonsters(), 1); }

constexpr Job kJobs[] = {tiles, faces, monsters, worldMaps};

}  // namespace

void Assets::append(Assets&& other) {
    files.merge(other.files);
    for (auto& p : other.builtIn) builtIn.push_back(std::move(p));
    for (auto& g : other.groups) groups.push_back(std::move(g));
}

Assets generateAll() {
    std::vector<std::future<Assets>> running;
    for (Job job : kJobs) running.push_back(std::async(std::launch::async, job));
    Assets all;
    for (auto& r : running) all.append(r.get());
    return all;
}

}  // namespace assetgen
