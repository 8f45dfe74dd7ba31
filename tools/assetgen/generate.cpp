// The list of generators and where each one's pictures and sounds go.
#include <SDL.h>

#include <future>

#include "assets.h"
#include "audio.h"
#include "backdrops.h"
#include "effects.h"
#include "icons.h"
#include "sprites.h"
#include "textures.h"
#include "faces.h"
#include "monsters.h"
#include "tiles.h"

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

Assets backdrops() {
    Assets a;
    PictureGroup g{"Backdrops", {}};
    std::vector<Image> images = makeBackdrops();
    for (std::size_t i = 0; i < images.size(); ++i) {
        a.files["graphics/" + std::to_string(i) + ".bmp"] = encodeBmp(images[i]);
        g.pictures.push_back({std::to_string(i), std::move(images[i])});
    }
    a.groups.push_back(std::move(g));
    return a;
}

Assets characterSprites() { return gifFiles("Character sprites", "char", 0, makeCharacterSprites(), 1); }

Assets smallPictures() {
    Assets a = builtIn("icons", "Icons", makeMenuIcons());
    a.append(builtIn("item", "Items", makeItemIcons()));
    a.append(builtIn("weapon", "Weapons", makeWeaponIcons()));
    a.append(builtIn("armor", "Armour", makeArmourIcons()));
    a.append(builtIn("shield", "Shields", makeShieldIcons()));
    std::vector<std::string> toolbar;
    for (int i = 0; i <= 12; ++i) toolbar.push_back(std::to_string(i));
    toolbar.push_back("close");
    a.append(builtIn("toolbar", "Toolbar", makeToolbarIcons(), toolbar));
    a.append(builtIn("hit", "Hit frames", makeHitFrames()));
    a.append(builtIn("intro", "Intro figures", makeIntroFigures()));
    return a;
}

Assets menuPictures() {
    Assets a = builtIn("Image1", "Menu background", {makeMenuBackground()});
    PictureGroup windows{"Window textures", {}};
    std::vector<Image> textures = makeWindowTextures();
    for (std::size_t i = 0; i < textures.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        a.files["graphics/W" + n + ".jpg"] = encodeJpg(textures[i], 90);
        windows.pictures.push_back({"W" + n, std::move(textures[i])});
    }
    a.groups.push_back(std::move(windows));
    PictureGroup maps{"World maps", {}};
    std::vector<Image> worlds = makeWorldMaps();
    const char* names[] = {"map", "map2"};
    for (std::size_t i = 0; i < worlds.size(); ++i) {
        a.files[std::string("graphics/") + names[i] + ".bmp"] = encodeBmp(worlds[i]);
        maps.pictures.push_back({names[i], std::move(worlds[i])});
    }
    a.groups.push_back(std::move(maps));
    return a;
}

Assets sounds() {
    Assets a;
    const auto all = makeSounds();
    for (std::size_t i = 0; i < all.size(); ++i) a.files["sound/snd" + std::to_string(i) + ".snd"] = encodeWav(all[i], kSampleRate);
    return a;
}

Assets music() {
    Assets a;
    std::vector<Bytes> all = makeMusic();
    for (std::size_t i = 0; i < all.size(); ++i) a.files["music/" + std::to_string(i) + ".mid"] = std::move(all[i]);
    return a;
}

constexpr Job kJobs[] = {tiles, faces, monsters, backdrops, characterSprites, smallPictures, menuPictures, sounds, music};

}  // namespace

void Assets::append(Assets&& other) {
    files.merge(other.files);
    for (auto& p : other.builtIn) builtIn.push_back(std::move(p));
    for (auto& g : other.groups) groups.push_back(std::move(g));
}

Assets generateAll() {
    std::vector<std::future<Assets>> running;
    for (Job job : kJobs)
        running.push_back(std::async(std::launch::async, [job] {
            Assets a = job();
            // SDL keeps per-thread error state; free it before the thread ends.
            SDL_TLSCleanup();
            return a;
        }));
    Assets all;
    for (auto& r : running) all.append(r.get());
    return all;
}

}  // namespace assetgen
