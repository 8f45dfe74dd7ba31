// The formations of the encounter groups.
#include "battle/formations.h"

#include <array>
#include <cstdint>
#include <span>

#include "battle/encounter.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace battle {
namespace {

// Monster ids of slots 0, 1 and 2; 0 leaves a slot empty. A lone monster
// stands in the middle place (slot 2); pairs and trios fill slots 0 and 1 alike.
struct Outcome {
    std::uint8_t slot[3];
};
constexpr Outcome lone(std::uint8_t m) { return {{0, 0, m}}; }
constexpr Outcome pair(std::uint8_t m) { return {{m, m, 0}}; }
constexpr Outcome trio(std::uint8_t m) { return {{m, m, m}}; }
constexpr Outcome trio(std::uint8_t m, std::uint8_t middle) { return {{m, m, middle}}; }

constexpr std::uint8_t kSlime = 46;

struct RandomGroup {
    std::uint8_t group;
    bool rareSlime;  // a 1-in-100 draw of 5 brings the lone Slime instead
    std::span<const Outcome> outcomes;
};

constexpr Outcome kG1[] = {pair(1), lone(2), lone(1), lone(3), trio(1), lone(2), lone(3)};
constexpr Outcome kG2[] = {pair(3), pair(3), lone(3), lone(3), pair(3), pair(2)};
constexpr Outcome kG4[] = {pair(2), pair(2), lone(6), lone(6), lone(6),
                           trio(2), trio(1, 9), lone(8), lone(45), lone(45)};
constexpr Outcome kG5[] = {lone(6),    lone(6),    lone(9),  pair(9), pair(9),
                           trio(3), trio(3, 6), lone(45), lone(45)};
constexpr Outcome kG7[] = {lone(8), lone(8), trio(3), trio(3), lone(8), pair(9), lone(9), lone(41)};
constexpr Outcome kG11[] = {lone(10),    lone(10), trio(3, 11), trio(3, 12), trio(3, 4), lone(11),
                            lone(11), trio(3, 10), lone(12),    lone(41),    lone(44),   trio(44)};
constexpr Outcome kG12[] = {lone(13),    lone(13), pair(13), trio(9, 13), trio(3, 13),
                            trio(10), trio(8),  lone(41), pair(41)};
constexpr Outcome kG13[] = {lone(14), lone(14),  lone(15), trio(13),     pair(13), trio(9, 14),
                            trio(8),  lone(41), pair(41), trio(45, 14), trio(44)};
constexpr Outcome kG15[] = {lone(16), lone(19), lone(17), lone(18),     pair(17), trio(14),
                            trio(13), trio(10), lone(13), trio(41),     trio(45, 13), lone(47)};
constexpr Outcome kG24[] = {lone(19), lone(15), lone(23), trio(16),     pair(18), lone(20),
                            lone(21), trio(17), lone(24), trio(45, 19), lone(47), lone(48)};
constexpr Outcome kG26[] = {lone(23), lone(23), lone(24), trio(21), pair(20),
                            lone(20), trio(19), lone(21), pair(23), lone(43)};
constexpr Outcome kG28[] = {pair(19), pair(19), lone(26), trio(19), pair(18), pair(20),
                            trio(17), lone(21), lone(47), trio(47), lone(49)};
constexpr Outcome kG29[] = {pair(28), pair(28), lone(30), trio(22), lone(27), pair(27),
                            trio(26), lone(24), trio(24), pair(29), lone(49), lone(50)};
constexpr Outcome kG30[] = {trio(28), trio(27), lone(31), trio(24), trio(29), pair(32), trio(50)};
constexpr Outcome kG31[] = {trio(29, 33), pair(34), lone(33), trio(27, 35), pair(35), lone(30),
                            lone(34),     lone(35), lone(42), pair(48),     pair(49), lone(50)};
constexpr Outcome kG32[] = {trio(29), trio(34), lone(36), trio(27), trio(31),
                            lone(37), lone(34), lone(30), lone(42), lone(50)};
constexpr Outcome kG33[] = {lone(38), lone(36), lone(25), lone(30), lone(37)};

// Groups 11 and 23 share one list.
constexpr RandomGroup kRandomGroups[] = {
    {1, false, kG1},   {2, false, kG2},   {4, false, kG4},   {5, false, kG5},
    {7, false, kG7},   {11, false, kG11}, {12, false, kG12}, {13, false, kG13},
    {15, true, kG15},  {23, false, kG11}, {24, true, kG24},  {26, true, kG26},
    {28, true, kG28},  {29, true, kG29},  {30, true, kG30},  {31, true, kG31},
    {32, true, kG32},  {33, true, kG33},
};

struct FixedGroup {
    std::uint8_t group;
    Outcome monsters;
};

// The scripted fights, the monster chest (10) and the bosses; none can be fled.
constexpr FixedGroup kFixedGroups[] = {
    {3, lone(4)},    {6, trio(6)},    {8, trio(7)},    {9, lone(7)},    {10, lone(5)},
    {14, trio(15)},  {16, trio(2)},   {17, trio(4)},   {18, trio(6)},   {19, trio(7)},
    {20, trio(8)},   {21, trio(10)},  {22, trio(13)},  {25, lone(25)},  {27, trio(24)},
    {34, lone(39)},  {35, trio(29, 40)}, {36, trio(15)}, {37, trio(17)}, {38, trio(19)},
    {39, trio(21)},  {40, trio(22)},  {41, trio(24)},  {42, trio(26)},  {43, trio(28)},
    {44, trio(30)},  {45, trio(34)},  {46, trio(36)},  {47, trio(37)},  {48, trio(38)},
    {49, trio(25)},
};

void fill(const Outcome& o) {
    for (int slot = 0; slot < 3; ++slot)
        if (o.slot[slot] != 0) Subs::setMonster(o.slot[slot], slot);
}

}  // namespace

int fixedGroupPicture(int encounterGroup) {
    for (const FixedGroup& f : kFixedGroups)
        if (f.group == encounterGroup) return monsterPicture(f.monsters.slot[2]);
    return 0;
}

void buildFormation(int encounterGroup) {
    for (const FixedGroup& f : kFixedGroups) {
        if (f.group != encounterGroup) continue;
        fill(f.monsters);
        Vars::noFlee = -1;
        return;
    }
    for (const RandomGroup& r : kRandomGroups) {
        if (r.group != encounterGroup) continue;
        if (r.rareSlime && Subs::randomInt(1, 100) == 5) {
            fill(lone(kSlime));
            return;
        }
        fill(r.outcomes[Subs::randomInt(1, int(r.outcomes.size())) - 1]);
        return;
    }
}

}  // namespace battle
