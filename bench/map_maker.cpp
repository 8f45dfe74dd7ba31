// The map maker's speeds: one page drawn whole (with its chest counts) and
// the whole-map view, on the generated first continent.
#include <benchmark/benchmark.h>

#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "support/harness.h"

namespace {

template <int tool>
void MapMakerTool(benchmark::State& state) {
    harness::Harness h;
    h.linkAssets();
    frmTileset::get().loadPictures();
    frmMain& f = frmMain::get();
    f.runMode = false;
    f.show();
    platform::Control& button = harness::Harness::control("frmMain", "Image1", tool);
    for (auto _ : state) h.clickNow(button);
    f.unload();
}

void PageRedraw(benchmark::State& state) { MapMakerTool<editors::PageRightTool>(state); }
void WholeMapView(benchmark::State& state) { MapMakerTool<editors::WholeMapTool>(state); }

BENCHMARK(PageRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WholeMapView)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
