#pragma once
// The hero's progression: the experience table, what a level brings, and
// the levels that bring a spell point.

namespace party {

constexpr int kTopLevel = 40;

// The experience total (heroExp) at which a hero of `level` reaches the next
// level. Levels outside 1..40 read as the nearest of them.
double nextExpAt(int level);

// What one level-up adds to the maxima, and the attribute points it gives.
struct LevelGains {
    int maxHP = 0;
    int maxMP = 0;
    int points = 0;
};
// Gains of a level-up, from the attributes the hero has when it happens.
LevelGains gainsFor(int strength, int wisdom);

// True when reaching `level` gives a spell point.
bool grantsSpellPoint(int level);

// True while some spell group is below its top level.
bool canLearnSpell();

}  // namespace party
