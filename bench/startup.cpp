// Start-up to the title screen: settings, slots, every picture and the first
// screens, on the virtual clock so the splash's two deliberate seconds cost
// nothing.
#include <benchmark/benchmark.h>

#include <chrono>

#include "shell/startup.h"
#include "support/game_test.h"

namespace {

void BM_StartUpToTitle(benchmark::State& state) {
    for (auto _ : state) {
        harness::Harness h;
        h.linkAssets();
        harness::resetGameState();
        const auto start = std::chrono::steady_clock::now();
        const bool started = shell::Main();
        const auto end = std::chrono::steady_clock::now();
        if (!started) {
            state.SkipWithError("the start-up failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_StartUpToTitle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
