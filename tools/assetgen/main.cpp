// assetgen: writes the game's whole asset set.
//
//   assetgen --out APPDIR --embedded FILE.cpp   files beside the game, built-in pictures as source;
//                                               maps a user has edited are kept
//   assetgen --out APPDIR --restore-maps        puts the default maps back over edited ones
//   assetgen --sheets DIR                       contact sheets of every picture group
//   assetgen --catalogue                        the terrain table, as Markdown
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "assets.h"
#include "default_maps.h"
#include "tile_catalogue.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const void* data, std::size_t size) {
    fs::create_directories(path.parent_path());
    const fs::path tmp = path.string() + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        f.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!f) throw std::runtime_error("cannot write " + tmp.string());
    }
    fs::rename(tmp, path);
}

const char* groupName(battle::TerrainGroup g) {
    switch (g) {
        case battle::TerrainGroup::woods: return "woods: 8 (4 in groups 1, 11)";
        case battle::TerrainGroup::sand: return "shore: 3 (4 in groups 1, 11)";
        case battle::TerrainGroup::underground: return "underground: 0 (5 on map 4)";
        case battle::TerrainGroup::plains: return "plains: 7 (1 in group 31, 4 in group 32)";
        case battle::TerrainGroup::town: return "town: 12";
        case battle::TerrainGroup::snow: return "snow: 9 (10 below ground)";
        case battle::TerrainGroup::none: break;
    }
    return "none (black)";
}

void printCatalogue() {
    std::cout << "| Code | Depicts | Walkable | Battle backdrop |\n|---|---|---|---|\n";
    for (const auto& e : assetgen::kTileCatalogue)
        std::cout << "| " << e.code << " | " << e.depicts << " | " << (e.walkable ? "yes" : "no") << " | "
                  << groupName(e.group) << " |\n";
}

int usage() {
    std::cerr << "usage: assetgen --out APPDIR --embedded FILE.cpp [--sheets DIR]\n"
                 "       assetgen --out APPDIR --restore-maps\n"
                 "       assetgen --sheets DIR\n"
                 "       assetgen --catalogue\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, embedded, sheets;
    bool restoreMaps = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--catalogue") {
            printCatalogue();
            return 0;
        }
        if (a == "--restore-maps") {
            restoreMaps = true;
            continue;
        }
        if (i + 1 >= argc) return usage();
        if (a == "--out") out = argv[++i];
        else if (a == "--embedded") embedded = argv[++i];
        else if (a == "--sheets") sheets = argv[++i];
        else return usage();
    }
    if (restoreMaps ? out.empty() || !embedded.empty() || !sheets.empty()
                    : out.empty() != embedded.empty() || (out.empty() && sheets.empty()))
        return usage();
    try {
        const auto start = std::chrono::steady_clock::now();
        assetgen::Assets assets = assetgen::generateAll();
        if (!out.empty()) {
            std::map<std::string, assetgen::Bytes> maps;
            for (const auto& [name, bytes] : assets.files) {
                if (assetgen::isDefaultMap(name))
                    maps.emplace(name, bytes);
                else if (!restoreMaps)
                    writeFile(fs::path(out) / name, bytes.data(), bytes.size());
            }
            const auto kept = assetgen::installDefaultMaps(
                out, maps, restoreMaps,
                [](const fs::path& path, const assetgen::Bytes& bytes) { writeFile(path, bytes.data(), bytes.size()); });
            for (const std::string& name : kept)
                std::fprintf(stderr,
                             "assetgen: kept %s, which was edited since the build wrote it; "
                             "'cmake --build <build folder> --target restore-maps' puts the default maps back\n",
                             name.c_str());
            if (!restoreMaps) {
                const std::string source = assetgen::embeddedSource(assets.builtIn);
                writeFile(embedded, source.data(), source.size());
            }
        }
        if (!sheets.empty()) assetgen::writeSheets(assets.groups, sheets);
        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "assetgen: %zu files, %zu built-in pictures in %.2f s\n", assets.files.size(),
                     assets.builtIn.size(), secs);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
