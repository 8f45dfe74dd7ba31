#pragma once
// A battle test: a new game's state with a known party on top, sound off (so
// misses and blocks draw nothing for their sound), and the message line recorded.
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "battle/frmfight.h"
#include "shell/subs.h"
#include "support/game_test.h"

namespace battletest {

using harness::Draw;

class BattleTest : public harness::GameTest {
protected:
    BattleTest();
    ~BattleTest() override;

    frmFight& f = frmFight::get();
    std::vector<std::string> talk;  // every message written, in order

    // Fills the slots with monster ids (0 = empty), as a formation would.
    void monsters(int slot0, int slot1, int slot2);
    // Shows the battle screen modeless; each filled slot's delay draws its low end.
    void openFight();
    // The draws, in order, then the screen's reaction is checked by the test.
    void draws(std::initializer_list<Draw> d) { h.scriptDraws(d); }
    // Lets the hero's gauge fill; false if it does not within the time.
    bool fillHeroGauge() {
        return h.runUntil([this] { return !f.tmrHero->enabled(); }, 20000);
    }
    std::string lastTalk() const { return talk.empty() ? std::string() : talk.back(); }
    std::string caption(platform::ControlArray<platform::Label>& a, int i) { return a[i].Caption; }
    // Every effect path played, in order.
    std::vector<std::string> effects() const { return h.audio.effects(); }
};

// Answers draws from a list (then the low end) and records every range asked.
class Probe : public Subs::RandomSource {
public:
    int draw(int lo, int hi) override {
        asked.push_back({lo, hi});
        if (answers.empty()) return lo;
        int v = answers.front();
        answers.pop_front();
        return v;
    }
    std::vector<std::pair<int, int>> asked;
    std::deque<int> answers;
};

// Puts these tests' party over a new game's state.
void resetParty();

}  // namespace battletest
