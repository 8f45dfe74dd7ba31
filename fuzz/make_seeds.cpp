// Writes the fuzz targets' starting corpora: files the game itself writes,
// from a game at its start and from one well under way.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "fuzz_support.h"
#include "shell/config.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "world/map_files.h"

namespace fs = std::filesystem;

namespace {

fs::path root;

void seed(const std::string& target, const std::string& name, const std::string& content) {
    fs::create_directories(root / target);
    std::ofstream(root / target / name, std::ios::binary) << content;
}

void underWay() {
    using namespace Vars;
    heroName = "Ann, Bo";
    allyName = "Ekko";
    allyId = 12;
    allyMode = 3;
    storyStage = 512;
    rubies = 1234;
    heroExp = 98765;
    heroLevel = 17;
    heroHP = -3;
    heroItems = {99, 0, 5, 1};
    heroSpells = {3, 2, 1};
    questFlags[4] = 99;
    amuletsOwned[4] = 2;
    amulet = 5;
    heroEquip = {5, 6, 5, 9, 4};
    curMap = 6, posX = 199, posY = 149;
    difficulty = 2;
    textColor = 0x123456;
    frameTexture = 5;
    autoBattle = 1;
}

void seedsOf(const std::string& tag) {
    config::save();
    seed("config", tag, fuzz::getFile("config.ini"));
    seed("seqfile", "config-" + tag, fuzz::getFile("config.ini"));
    savefile::SlotNames names;
    names.fill("Empty");
    savefile::saveGame(tag == "new" ? 0 : 7, names);
    seed("save_ini", tag, fuzz::getFile("save.ini"));
    seed("seqfile", "save_ini-" + tag, fuzz::getFile("save.ini"));
    const std::string head =
        fuzz::splitSave(fuzz::getFile(tag == "new" ? "game.sv0" : "game.sv7")).head;
    seed("game_sv", tag, head);
    seed("seqfile", "game_sv-" + tag, head);
    world::writeMapFile(world::mapFilePath(3), world::mapSlice(3));
    seed("map", tag, fuzz::getFile("3.map"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds CORPUS_FOLDER\n";
        return 2;
    }
    root = argv[1];
    fuzz::setUp();
    seedsOf("new");
    underWay();
    Vars::mapData.fill(0);
    seedsOf("under-way");
    return 0;
}
