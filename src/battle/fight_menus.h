#pragma once
// What the battle menu's lists mean, shared by the builders and the commands.
#include <cstdint>

#include "shell/vars.h"

namespace battle {

// Which list lbl3 shows (frmFight::menuMode).
enum MenuMode : std::uint8_t {
    kMainMenu = 0,
    kAttackTarget = 1,
    kItems = 2,
    kSpellGroups = 3,
    kAttackSpells = 4,
    kSupportSpells = 5,
    kSpiritSpells = 6,
    kFireballTarget = 7,
    kVulcanTarget = 8,
    kHerbTarget = 9,
    kPotionTarget = 10,
    kCureTarget = 11,
};

// In the target lists entries 1, 3, 2 stand for slots 0, 1, 2; entries 0 and
// 4 cancel. In the party lists entry 1 is the hero and 3 the ally.
constexpr int kSlotOfEntry[5] = {-1, 0, 2, 1, -1};
constexpr int kEntryOfSlot[3] = {1, 3, 2};
constexpr int kHeroEntry = 1, kAllyEntry = 3;

// The fifth amulet comes in a Rogue form (cheaper support spells) and a Holy
// form (Holy in the place of Heal).
inline bool rogueAmulet() { return Vars::amuletsOwned[4] == 1 && Vars::amulet == 5; }
inline bool holyAmulet() { return Vars::amuletsOwned[4] == 2 && Vars::amulet == 5; }

}  // namespace battle
