// assetgen: writes the game's whole asset set.
//
//   assetgen --out APPDIR --embedded FILE.cpp   files beside the game, built-in pictures as source
//   assetgen --sheets DIR                       contact sheets of every picture group
//   assetgen --catalogue                        the terrain table, as Markdown
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "assets.h"
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
                 "       assetgen --sheets DIR\n"
                 "       assetgen --catalogue\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, embedded, sheets;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--catalogue") {
            printCatalogue();
            return 0;
        }
        if (i + 1 >= argc) return usage();
        if (a == "--out") out = argv[++i];
        else if (a == "--embedded") embedded = argv[++i];
        else if (a == "--sheets") sheets = argv[++i];
        else return usage();
    }
    if (out.empty() != embedded.empty() || (out.empty() && sheets.empty())) return usage();
    try {
        const auto start = std::chrono::steady_clock::now();
        assetgen::Assets assets = assetgen::generateAll();
        if (!out.empty()) {
            for (const auto& [name, bytes] : assets.files) writeFile(fs::path(out) / name, bytes.data(), bytes.size());
            const std::string source = assetgen::embeddedSource(assets.builtIn);
            writeFile(embedded, source.data(), source.size());
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
