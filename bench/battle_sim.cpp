// A headless battle simulator: 1,000 seeded random battles with auto battle
// on, run from the encounter to its return on a virtual clock, then one
// battle of every encounter group 0..255 at each difficulty. It checks that
// every battle ends and that hit points, magic points and rubies stay in
// range between events, and reports battles per second and the median cost
// of one timer tick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "battle/encounter.h"
#include "battle/frmfight.h"
#include "platform/appfolder.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/frmtitle.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "support/auto_battle.h"

namespace {

using Clock = std::chrono::steady_clock;
using autobattle::checkRanges;

constexpr int kBattles = 1000;

// A party of some level with equipment, spells and items it could have.
void randomParty(std::mt19937& g) {
    auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    auto attribute = [&](int level) { return std::uint8_t(std::min(100, 10 + pick(0, 3 * level))); };
    struct Companion {
        int id;
        const char* name;
    };
    constexpr Companion kCompanions[] = {{18, "Sofi"}, {51, "Jack"}, {21, "Sonia"},   {59, "Darwin"}, {12, "Ryu"},
                                         {14, "Chi"},  {47, "Myst"}, {30, "Bree"}, {28, "Maurice"}};
    constexpr int kShields[] = {0, 1, 2, 3, 4, 5, 9};

    const int level = pick(1, 40);
    Vars::heroLevel = std::uint8_t(level);
    Vars::heroStr = attribute(level);
    Vars::heroDex = attribute(level);
    Vars::heroWis = attribute(level);
    Vars::heroMaxHP = std::int16_t(25 + 10 * level + pick(0, 20));
    Vars::heroHP = std::int16_t(pick(Vars::heroMaxHP / 2, Vars::heroMaxHP));
    Vars::heroMaxMP = std::uint8_t(std::min(255, 14 + 6 * level));
    Vars::heroMP = std::uint8_t(pick(0, Vars::heroMaxMP));
    Vars::heroEquip = {std::uint8_t(pick(0, 5)), std::uint8_t(pick(0, 6)), std::uint8_t(kShields[pick(0, 6)]),
                       std::uint8_t(pick(0, 6) == 6 ? 9 : pick(0, 5)), std::uint8_t(pick(0, 5) == 5 ? 9 : pick(0, 4))};
    for (auto& s : Vars::heroSpells) s = std::uint8_t(pick(0, 3));
    for (auto& i : Vars::heroItems) i = std::uint8_t(pick(0, 5));
    Vars::amulet = std::uint8_t(pick(0, 9));
    Vars::amuletsOwned[0] = std::uint8_t(pick(0, 1));
    Vars::amuletsOwned[4] = std::uint8_t(pick(0, 2));
    Vars::heroExp = 0;
    Vars::heroNextExp = 1e9;  // no level-up screens: they wait for the player

    const Companion& c = kCompanions[pick(0, 8)];
    Vars::allyId = std::uint8_t(c.id);
    Vars::allyName = c.name;
    Vars::allyStr = attribute(level);
    Vars::allyDex = attribute(level);
    Vars::allyWis = attribute(level);
    Vars::allyMaxHP = std::int16_t(30 + 9 * level + pick(0, 20));
    Vars::allyHP = std::int16_t(pick(Vars::allyMaxHP / 2, Vars::allyMaxHP));
    Vars::allyEquip = {std::uint8_t(pick(1, 6)), std::uint8_t(pick(1, 4)),
                       std::uint8_t(pick(0, 4) == 0 ? 9 : pick(1, 4)), std::uint8_t(pick(0, 4)),
                       std::uint8_t(pick(0, 3))};
    Vars::allyMode = std::uint8_t(pick(0, 6));

    Vars::difficulty = std::uint8_t(pick(0, 2));
    Vars::storyStage = std::int16_t(pick(0, 1000));
    Vars::curMap = std::uint8_t(pick(0, 6));
    Vars::posX = std::int16_t(pick(0, 199));
    Vars::posY = std::int16_t(pick(0, 149));
    Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap) = std::uint8_t(pick(0, 79));
    Vars::encounterGroup = std::uint8_t(pick(0, 55));
    Vars::rubies = pick(0, 9999);
    Vars::autoBattle = 1;
    Vars::musicOn = 0;
    Vars::soundOn = 1;
}

// The runtime on the battle runner's clock, with real pictures when the
// build has them, as in the game.
struct Arena {
    platform::SilentAudio audio;
    autobattle::TickByTick sim;
    Arena() {
        platform::Runtime& rt = platform::Runtime::get();
        rt.reset();
        rt.setClock(&sim.clock);
        rt.setAudio(&audio);
        rt.setEventSource(&sim);
#ifdef TC2_APP_DIR
        platform::setAppFolder(std::string(TC2_APP_DIR) + "/");
        frmTileset::get().loadPictures();
#endif
    }
    ~Arena() { platform::Runtime::get().reset(); }

    // One whole battle of the party as it stands; false (and the benchmark
    // stopped) on a hang or a value out of range.
    bool fight(benchmark::State& state, const std::string& name, std::uint32_t seed, int& defeats) {
        Subs::seedRandom(seed);
        sim.battleStart = sim.clock.now();
        try {
            checkRanges();
            Subs::startEncounter();
            checkRanges();
        } catch (const std::exception& e) {
            state.SkipWithError((name + ": " + e.what()).c_str());
            return false;
        }
        if (Vars::heroHP < 1 || Vars::allyHP < 1) ++defeats;
        frmTitle::get().unload();
        return true;
    }
};

void BM_RandomBattles(benchmark::State& state) {
    Arena arena;
    autobattle::TickByTick& sim = arena.sim;
    double seconds = 0;
    int defeats = 0;
    for (auto _ : state) {
        sim.tickMicros.clear();
        auto start = Clock::now();
        for (int b = 0; b < kBattles; ++b) {
            std::mt19937 partySeed(std::uint32_t(1000 + b));
            randomParty(partySeed);
            if (!arena.fight(state, "battle " + std::to_string(b), std::uint32_t(b), defeats)) return;
        }
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::vector<double>& ticks = sim.tickMicros;
    std::nth_element(ticks.begin(), ticks.begin() + long(ticks.size() / 2), ticks.end());
    state.counters["battles_per_s"] = kBattles / seconds;
    state.counters["median_tick_us"] = ticks.empty() ? 0 : ticks[ticks.size() / 2];
    double total = 0;
    for (double t : ticks) total += t;
    state.counters["mean_tick_us"] = ticks.empty() ? 0 : total / double(ticks.size());
    state.counters["ticks_per_battle"] = double(ticks.size()) / kBattles;
    state.counters["defeats"] = defeats;
}

// Every encounter group 0..255 at each difficulty: one whole battle each, by
// a party drawn as above, must end with every value in range.
void BM_EveryGroup(benchmark::State& state) {
    Arena arena;
    int battles = 0, defeats = 0;
    for (auto _ : state) {
        for (int group = 0; group < 256; ++group) {
            for (int difficulty = 0; difficulty < 3; ++difficulty) {
                std::mt19937 partySeed(std::uint32_t(5000 + group));
                randomParty(partySeed);
                Vars::encounterGroup = std::uint8_t(group);
                Vars::difficulty = std::uint8_t(difficulty);
                const std::string name =
                    "group " + std::to_string(group) + " difficulty " + std::to_string(difficulty);
                if (!arena.fight(state, name, std::uint32_t(group * 3 + difficulty), defeats)) return;
                ++battles;
            }
        }
    }
    state.counters["battles"] = battles;
    state.counters["defeats"] = defeats;
}

BENCHMARK(BM_RandomBattles)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryGroup)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
