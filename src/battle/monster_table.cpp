// The fifty monsters, and the procedure that puts one into a battle slot.
#include <array>
#include <cstdint>

#include "battle/encounter.h"
#include "battle/formations.h"
#include "shell/vars.h"

namespace {

struct MonsterRow {
    const char* name;
    std::uint8_t picture;
    std::int16_t hp;
    std::uint8_t hitMin, hitMax;
    std::uint8_t specialMin, specialMax;
    std::uint8_t accuracy;
    std::int16_t exp, rubies;
    std::uint8_t defense, magicDefense;
    std::int16_t delayMin, delayMax;
};

// Row n - 1 is monster n. Eight monsters borrow a neighbour's picture.
constexpr std::array<MonsterRow, 50> kMonsters{{
    {"Stinger", 1, 7, 1, 3, 1, 3, 85, 1, 0, 0, 0, 6000, 9000},
    {"Robber", 2, 15, 2, 4, 2, 4, 85, 2, 4, 1, 0, 7000, 10000},
    {"Snake", 3, 18, 2, 5, 2, 5, 85, 3, 0, 1, 0, 6000, 9000},
    {"G. Snake", 4, 45, 6, 8, 4, 8, 85, 7, 0, 2, 1, 8000, 10000},
    {"Chest", 5, 100, 10, 15, 10, 15, 85, 15, 50, 3, 2, 10000, 12000},
    {"Elf", 6, 25, 3, 6, 3, 6, 85, 4, 7, 1, 2, 8000, 12000},
    {"Guard", 7, 45, 6, 8, 4, 8, 85, 7, 10, 2, 1, 8000, 13000},
    {"Sm Dragon", 8, 35, 4, 8, 4, 8, 80, 6, 8, 1, 3, 8000, 10000},
    {"G. Spider", 9, 30, 4, 8, 4, 8, 85, 6, 0, 1, 1, 8000, 11000},
    {"Wizard", 10, 45, 6, 8, 6, 10, 80, 8, 12, 1, 2, 10000, 15000},
    {"Wolfman", 11, 55, 6, 8, 6, 8, 85, 9, 10, 2, 1, 8000, 10000},
    {"Sandworm", 12, 50, 6, 8, 6, 8, 80, 8, 0, 1, 1, 8000, 12000},
    {"Skeleton", 13, 55, 6, 10, 6, 10, 80, 10, 12, 2, 2, 8000, 9000},
    {"Medusa", 14, 55, 6, 12, 6, 12, 80, 10, 12, 2, 2, 10000, 12000},
    {"Chimera", 15, 70, 8, 12, 8, 12, 85, 12, 10, 2, 2, 8000, 10000},
    {"D. Rider", 16, 70, 8, 12, 8, 12, 90, 12, 15, 3, 2, 8000, 10000},
    {"Hound", 17, 75, 10, 12, 10, 12, 85, 13, 0, 2, 3, 8000, 10000},
    {"Lizard Man", 18, 80, 10, 12, 10, 15, 85, 14, 15, 3, 2, 10000, 12000},
    {"Imp", 21, 80, 10, 12, 10, 15, 85, 15, 15, 3, 2, 9000, 10000},
    {"Hog Man", 19, 80, 10, 15, 10, 15, 80, 15, 15, 3, 2, 10000, 12000},
    {"D. Grunt", 20, 90, 10, 15, 10, 15, 85, 16, 15, 4, 2, 10000, 12000},
    {"Ghost", 24, 90, 12, 15, 12, 15, 90, 17, 10, 4, 3, 8000, 10000},
    {"Minotaur", 23, 100, 12, 15, 12, 15, 80, 17, 15, 4, 3, 10000, 12000},
    {"Golem", 22, 100, 12, 15, 12, 15, 85, 18, 16, 5, 3, 10000, 15000},
    {"Demon", 25, 300, 16, 26, 16, 26, 85, 42, 50, 8, 6, 10000, 12000},
    {"Witch", 26, 100, 12, 15, 12, 18, 85, 18, 20, 4, 4, 10000, 12000},
    {"N. Stalker", 27, 100, 12, 18, 12, 18, 85, 20, 20, 5, 4, 10000, 12000},
    {"Vampire", 28, 100, 12, 18, 12, 20, 85, 20, 15, 5, 4, 12000, 15000},
    {"Spirit", 29, 120, 12, 18, 12, 20, 80, 22, 12, 5, 5, 10000, 12000},
    {"B. Dragon", 30, 150, 15, 20, 15, 20, 80, 25, 36, 6, 5, 10000, 12000},
    {"Mummy", 31, 130, 15, 20, 15, 20, 75, 22, 25, 6, 5, 12000, 15000},
    {"Scorpion", 32, 120, 12, 20, 15, 20, 85, 22, 0, 5, 5, 8000, 10000},
    {"G. Tree", 33, 140, 15, 22, 15, 20, 80, 28, 25, 7, 5, 10000, 15000},
    {"Ninja", 34, 125, 15, 20, 15, 20, 80, 26, 30, 6, 5, 8000, 10000},
    {"Werewolf", 35, 130, 15, 20, 15, 20, 85, 26, 20, 6, 5, 10000, 12000},
    {"G. Dragon", 36, 150, 16, 22, 16, 22, 85, 32, 36, 7, 6, 10000, 12000},
    {"D. Knight", 37, 150, 16, 24, 16, 24, 85, 32, 38, 8, 6, 10000, 12000},
    {"Bk. Dragon", 40, 200, 16, 26, 16, 26, 90, 36, 42, 8, 6, 10000, 12000},
    {"Maurice", 38, 1000, 16, 28, 16, 28, 85, 1000, 1000, 8, 6, 10000, 15000},
    {"Daemon", 39, 1500, 20, 35, 20, 35, 85, 0, 0, 10, 6, 12000, 15000},
    {"Zombie", 41, 30, 4, 8, 4, 8, 70, 8, 6, 2, 1, 10000, 12000},
    {"Samurai", 42, 140, 15, 20, 15, 20, 80, 26, 32, 6, 5, 10000, 12000},
    {"Succubus", 43, 80, 10, 15, 12, 15, 85, 16, 16, 3, 3, 10000, 13000},
    {"Ape", 44, 30, 4, 9, 4, 8, 80, 6, 0, 1, 1, 8000, 10000},
    {"Bat", 45, 20, 2, 6, 2, 6, 85, 3, 5, 1, 1, 7000, 10000},
    {"Slime", 46, 500, 1, 1, 1, 1, 75, 100, 100, 10, 0, 3000, 5000},
    {"Tiger", 47, 70, 10, 12, 10, 12, 85, 15, 0, 3, 2, 8000, 12000},
    {"Troll", 48, 100, 12, 15, 12, 15, 80, 18, 18, 5, 3, 10000, 13000},
    {"Dwarf", 49, 100, 12, 18, 12, 15, 80, 18, 26, 5, 3, 10000, 15000},
    {"Harpy", 50, 120, 15, 20, 15, 20, 80, 22, 20, 5, 6, 10000, 12000},
}};

}  // namespace

namespace Subs {

void setMonster(int monsterId, int slot) {
    if (monsterId < 1 || monsterId > int(kMonsters.size()) || slot < 0 || slot > 2) return;
    const MonsterRow& m = kMonsters[monsterId - 1];
    Vars::monsterPic[slot] = m.picture;
    Vars::monsterHP[slot] = m.hp;
    Vars::monsterName[slot] = m.name;
    Vars::monsterHitMax[slot] = m.hitMax;
    Vars::monsterHitMin[slot] = m.hitMin;
    Vars::monsterSpecialMax[slot] = m.specialMax;
    Vars::monsterSpecialMin[slot] = m.specialMin;
    Vars::monsterAccuracy[slot] = m.accuracy;
    Vars::monsterExp[slot] = m.exp;
    Vars::monsterRubies[slot] = m.rubies;
    Vars::monsterDefense[slot] = m.defense;
    Vars::monsterMagicDefense[slot] = m.magicDefense;
    Vars::monsterDelayMin[slot] = m.delayMin;
    Vars::monsterDelayMax[slot] = m.delayMax;
}

}  // namespace Subs

namespace battle {

int monsterPicture(int monsterId) {
    if (monsterId < 1 || monsterId > int(kMonsters.size())) return 0;
    return kMonsters[std::size_t(monsterId - 1)].picture;
}

}  // namespace battle
