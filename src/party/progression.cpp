#include "party/progression.h"

#include <algorithm>
#include <array>

#include "party/companions.h"
#include "party/frmlevelup.h"
#include "party/frmnewspell.h"
#include "party/party.h"
#include "shell/vars.h"

namespace party {
namespace {

// kNextExp[level] is the experience total that lifts a hero of that level to
// the next one.
//
// How it was shaped: a random battle comes about every fifty steps. A player
// who follows the story (the old dungeon's north passage is a side quest)
// meets some 70 random battles and 23 fixed fights on the way and holds about
// 1,000 experience at the reunion; Maurice adds 1,000 more. Level 16 sits at
// 1,010, so that player meets Maurice in the high teens after a few battles
// in the frozen caves, and the final battle, which asks for about level 30,
// after some more in the hold. The first levels come quickly so that the
// level-up screens are met within the first minutes; from level 8 on each
// level costs ten more than the one before (5L^2 - 25L + 130 in all), so a
// late level costs about five battles of the deep zones.
// Level 40 is the top: its entry matches the 99,999 the battle pins there.
constexpr std::array<double, kTopLevel + 1> kNextExp = {
    0,  // no level 0
    8,     25,    50,    80,    115,   155,   200,   250,   310,   380,   // 1-10
    460,   550,   650,   760,   880,   1010,  1150,  1300,  1460,  1630,  // 11-20
    1810,  2000,  2200,  2410,  2630,  2860,  3100,  3350,  3610,  3880,  // 21-30
    4160,  4450,  4750,  5060,  5380,  5710,  6050,  6400,  6760,  99999, // 31-40
};

constexpr bool isRising(const std::array<double, kTopLevel + 1>& t) {
    for (int level = 2; level <= kTopLevel; ++level)
        if (t[level] <= t[level - 1]) return false;
    return t[1] > 0;
}
static_assert(isRising(kNextExp), "each level must ask for more experience than the last");

// The growth rule. Strength feeds hit points and wisdom magic points, so the
// attribute points a player spends shape the maxima of every later level:
// 7 to 11 hit points and 2 to 6 magic points a level. A hero who starts
// with 25 and 14 and grows at the top rate from level 1 to 40 ends at
// 25 + 39 * 11 = 454 and 14 + 39 * 6 = 248, within the save editor's bars
// (500) and the byte (255). Three attribute points a level let a hero of
// level 40 have raised one attribute to the top, or spread them over all
// three.
constexpr int kHPPerLevel = 7;   // + strength / 25
constexpr int kMPPerLevel = 2;   // + wisdom / 25
constexpr int kAttributeStep = 25;
constexpr int kPointsPerLevel = 3;

// A spell point every fourth level up to 32: with the first point at hero
// creation, the nine group levels are all learned by level 32, the last ones
// (Vulcan, Boost, Transform) in the deep zones where they are needed.
constexpr int kSpellEvery = 4;
constexpr int kLastSpellLevel = 32;
static_assert(1 + kLastSpellLevel / kSpellEvery == 9, "nine group levels in all");

constexpr int kTopSpellLevel = 3;
// The tops of the save editor's bars; an edited save may already stand there.
constexpr int kMaxMPCap = 255;
constexpr int kMaxHPCap = 500;

}  // namespace

double nextExpAt(int level) { return kNextExp[std::clamp(level, 1, kTopLevel)]; }

LevelGains gainsFor(int strength, int wisdom) {
    return {kHPPerLevel + strength / kAttributeStep, kMPPerLevel + wisdom / kAttributeStep,
            kPointsPerLevel};
}

bool grantsSpellPoint(int level) {
    return level > 1 && level <= kLastSpellLevel && level % kSpellEvery == 0;
}

bool canLearnSpell() {
    return std::any_of(Vars::heroSpells.begin(), Vars::heroSpells.end(),
                       [](int groupLevel) { return groupLevel < kTopSpellLevel; });
}

}  // namespace party

namespace Subs {

void levelUp() {
    using namespace Vars;
    // An edited save may hold a level at the top or beyond it.
    if (heroLevel >= party::kTopLevel) return;
    const int level = heroLevel + 1;
    heroNextExp = party::nextExpAt(level);
    heroLevel = static_cast<u8>(level);

    party::LevelGains gains = party::gainsFor(heroStr, heroWis);
    const int maxHPBefore = heroMaxHP, maxMPBefore = heroMaxMP;
    // A save edited by hand beyond the top keeps what it holds.
    const int hpCap = std::max<int>(heroMaxHP, party::kMaxHPCap);
    heroMaxHP = static_cast<i16>(std::min(heroMaxHP + gains.maxHP, hpCap));
    heroMaxMP = static_cast<u8>(std::min(heroMaxMP + gains.maxMP, party::kMaxMPCap));
    // The screen tells what the caps let through, not what the level offered.
    gains.maxHP = heroMaxHP - maxHPBefore;
    gains.maxMP = heroMaxMP - maxMPBefore;
    party::growAlly();

    if (heroHP <= 0) return;
    frmLevelUp& screen = frmLevelUp::get();
    screen.gains = gains;
    screen.showModal();
    // Every group already full (an edited save) would leave nothing to choose.
    if (party::grantsSpellPoint(level) && party::canLearnSpell()) frmNewSpell::get().showModal();
}

}  // namespace Subs
