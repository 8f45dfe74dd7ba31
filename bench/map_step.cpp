// The map screen's speeds: one step with its full redraw, and reading the
// seven map files of the generated world.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "support/harness.h"
#include "world/frmmap.h"
#include "world/map_files.h"
#include "world/terrain.h"

namespace {

// Two neighbouring walkable cells of map 0 to walk between.
bool findWalk(int& x, int& y) {
    for (y = 1; y < 149; ++y)
        for (x = 1; x < 198; ++x)
            if (!world::isBlocking(Vars::cell(x, y, 0, 0)) &&
                !world::isBlocking(Vars::cell(x + 1, y, 0, 0)) && Vars::cell(x, y, 1, 0) == 0 &&
                Vars::cell(x + 1, y, 1, 0) == 0)
                return true;
    return false;
}

void MapStep(benchmark::State& state) {
    harness::Harness h;
    h.linkAssets();
    frmTileset::get().loadPictures();
    world::loadAllMaps();
    int x = 0, y = 0;
    if (!findWalk(x, y)) {
        state.SkipWithError("no two walkable cells side by side");
        return;
    }
    Vars::curMap = 0;
    Vars::posX = Vars::i16(x);
    Vars::posY = Vars::i16(y);
    Vars::storyStage = 1;
    Vars::heroHP = Vars::heroMaxHP = Vars::allyHP = Vars::allyMaxHP = 50;
    frmMap& map = frmMap::get();
    map.startEncounter = [] {};
    map.show();
    platform::Runtime& rt = platform::Runtime::get();
    SDL_Surface* frame =
        SDL_CreateRGBSurfaceWithFormat(0, rt.logicalWidth(), rt.logicalHeight(), 32, SDL_PIXELFORMAT_ARGB8888);
    bool right = true;
    for (auto _ : state) {
        state.PauseTiming();
        h.advance(125);
        Vars::encounterSteps = 0;
        state.ResumeTiming();
        // The step, then the window drawn as the screen shows it.
        h.keyNow(right ? platform::vk::Right : platform::vk::Left);
        rt.compose(frame);
        right = !right;
    }
    SDL_FreeSurface(frame);
    map.unload();
}
BENCHMARK(MapStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void ReadAllMaps(benchmark::State& state) {
    harness::Harness h;
    h.linkAssets();
    for (auto _ : state) world::loadAllMaps();
}
BENCHMARK(ReadAllMaps)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
