// Saving and loading a whole game: 420,073 lines each way.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/appfolder.h"
#include "shell/savefile.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

struct Folder {
    Folder() {
        char name[] = "/tmp/tc2-bench-XXXXXX";
        path = std::string(mkdtemp(name)) + "/";
        platform::setAppFolder(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

// A game well under way: every byte of the world in use.
void fillGame() {
    using namespace Vars;
    heroName = "Benchmark";
    allyName = "Sofi";
    allyId = 18;
    posX = 120, posY = 80, curMap = 4;
    heroStr = heroDex = heroWis = allyStr = allyDex = allyWis = 60;
    heroLevel = 30, heroExp = 123456, heroNextExp = 130000, rubies = 4321.5;
    heroMaxHP = heroHP = allyMaxHP = allyHP = 400;
    heroMaxMP = heroMP = 120;
    storyStage = 600, musicTrack = 16;
    heroEquip = {4, 5, 3, 3, 2};
    allyEquip = {5, 4, 3, 3, 2};
    heroItems = {20, 15, 10, 5};
    heroSpells = {3, 2, 2};
    for (std::size_t i = 0; i < mapData.size(); ++i) mapData[i] = u8(i * 31 % 256);
}

void BM_SaveGame(benchmark::State& state) {
    Folder folder;
    fillGame();
    savefile::SlotNames names;
    names.fill("Empty");
    for (auto _ : state) savefile::saveGame(0, names);
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadGame(benchmark::State& state) {
    Folder folder;
    fillGame();
    savefile::SlotNames names;
    names.fill("Empty");
    savefile::saveGame(0, names);
    for (auto _ : state) savefile::loadGame(0);
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
