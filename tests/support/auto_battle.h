#pragma once
// Runs battles timer by timer on a virtual clock, for the benchmark and the
// tests: the clock jumps to the next due timer, the timers due then fire one
// by one while the battle screen is up, and the party's hit points, magic
// points and rubies are checked after each. Header-only, so the benchmarks
// build without the test harness.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "battle/frmfight.h"
#include "platform/clock.h"
#include "platform/runtime.h"
#include "shell/vars.h"

namespace autobattle {

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A whole day of virtual time: a battle still going then never ends.
constexpr std::uint64_t kLongestBattleMs = 24ull * 60 * 60 * 1000;

inline void checkRanges() {
    using namespace Vars;
    if (heroHP < 0 || heroHP > heroMaxHP) throw Fault("hero HP out of range");
    if (allyHP < 0 || allyHP > allyMaxHP) throw Fault("ally HP out of range");
    if (heroMP > heroMaxMP) throw Fault("hero MP out of range");
    if (rubies < 0 || rubies > 9999) throw Fault("rubies out of range");
}

class TickByTick : public platform::EventSource {
public:
    platform::VirtualClock clock;
    std::vector<double> tickMicros;  // how long each handler took
    std::uint64_t battleStart = 0;   // set before each battle

    void wait(std::uint64_t nextDue) override {
        using Clock = std::chrono::steady_clock;
        if (nextDue == platform::kNoTimer) throw Fault("hang: no timer armed");
        if (nextDue > battleStart + kLongestBattleMs) throw Fault("hang: the battle does not end");
        clock.set(std::max(nextDue, clock.now()));
        platform::Runtime& rt = platform::Runtime::get();
        while (frmFight::get().isLoaded()) {
            const auto t0 = Clock::now();
            const bool fired = rt.fireDueTimer();
            const auto t1 = Clock::now();
            if (!fired) break;
            tickMicros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            checkRanges();
        }
    }
};

}  // namespace autobattle
