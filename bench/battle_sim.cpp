// A headless battle simulator: 1,000 seeded random battles with auto battle
// on, run from the encounter to its return on a virtual clock. It checks that
// every battle ends and that hit points, magic points and rubies stay in
// range between events, and reports battles per second and the median cost
// of one timer tick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <stdexcept>
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

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBattles = 1000;
constexpr std::uint64_t kLongestBattleMs = 24ull * 60 * 60 * 1000;

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void checkRanges() {
    using namespace Vars;
    if (heroHP < 0 || heroHP > heroMaxHP) throw Fault("hero HP out of range");
    if (allyHP < 0 || allyHP > allyMaxHP) throw Fault("ally HP out of range");
    if (heroMP > heroMaxMP) throw Fault("hero MP out of range");
    if (rubies < 0 || rubies > 9999) throw Fault("rubies out of range");
}

// Lets virtual time run to the next timer and fires the timers due then one
// by one, timing each handler.
class Simulator : public platform::EventSource {
public:
    platform::VirtualClock clock;
    std::vector<double> tickMicros;
    std::uint64_t battleStart = 0;

    void wait(std::uint64_t nextDue) override {
        if (nextDue == platform::kNoTimer) throw Fault("hang: no timer armed");
        if (nextDue > battleStart + kLongestBattleMs) throw Fault("hang: the battle does not end");
        clock.set(std::max(nextDue, clock.now()));
        platform::Runtime& rt = platform::Runtime::get();
        while (frmFight::get().isLoaded()) {
            auto t0 = Clock::now();
            bool fired = rt.fireDueTimer();
            auto t1 = Clock::now();
            if (!fired) break;
            tickMicros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            checkRanges();
        }
    }
};

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

void BM_RandomBattles(benchmark::State& state) {
    platform::Runtime& rt = platform::Runtime::get();
    platform::SilentAudio audio;
    Simulator sim;
    rt.reset();
    rt.setClock(&sim.clock);
    rt.setAudio(&audio);
    rt.setEventSource(&sim);
#ifdef TC2_APP_DIR
    // The screen copies real pictures, as in the game.
    platform::setAppFolder(std::string(TC2_APP_DIR) + "/");
    frmTileset::get().loadPictures();
#endif

    double seconds = 0;
    int defeats = 0;
    for (auto _ : state) {
        sim.tickMicros.clear();
        auto start = Clock::now();
        for (int b = 0; b < kBattles; ++b) {
            std::mt19937 partySeed(std::uint32_t(1000 + b));
            randomParty(partySeed);
            Subs::seedRandom(std::uint32_t(b));
            sim.battleStart = sim.clock.now();
            try {
                checkRanges();
                Subs::startEncounter();
                checkRanges();
            } catch (const std::exception& e) {
                state.SkipWithError(("battle " + std::to_string(b) + ": " + e.what()).c_str());
                return;
            }
            if (Vars::heroHP < 1 || Vars::allyHP < 1) ++defeats;
            frmTitle::get().unload();
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
    rt.reset();
}

BENCHMARK(BM_RandomBattles)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
