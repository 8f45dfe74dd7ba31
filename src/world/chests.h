#pragma once
// Chests: the object codes of the world's second layer.
#include <array>
#include <cstdint>

namespace world {

constexpr std::uint8_t kNoObject = 0, kMonsterChest = 5, kEmptyChest = 10;
constexpr std::uint8_t kChestFightGroup = 10;  // the monster that hides in a chest
constexpr int kHeroFace = 54;

// Codes 1..4: rubies, drawn from lo..hi.
struct MoneyChest {
    std::uint8_t code;
    int lo, hi;
};
constexpr std::array<MoneyChest, 4> kMoneyChests{{{1, 3, 8}, {2, 5, 15}, {3, 15, 25}, {4, 25, 50}}};

// Codes 6..9: one of the four items of heroItems. A party that holds none
// yet is told what the item is for, where the name alone does not say it.
struct ItemChest {
    std::uint8_t code;
    int item;  // index into heroItems
    const char* found;
    const char* foundFirst = nullptr;
};
constexpr std::array<ItemChest, 4> kItemChests{{
    {6, 0, "You found a herb!"},
    {7, 1, "You found some berries!", "You found some berries! Berries restore magic."},
    {8, 2, "You found a potion!"},
    {9, 3, "You found a fire potion!"},
}};

constexpr const char* kMonsterChestText = "The chest was a monster!";

constexpr double kMaxRubies = 9999;
constexpr int kMaxItems = 99;

}  // namespace world
