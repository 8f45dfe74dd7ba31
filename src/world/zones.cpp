#include "world/zones.h"

#include <array>

namespace world {
namespace {

// By map; the first rectangle that holds a cell wins, so the small ones come
// first and each map ends with one that covers it whole. Groups grow harder
// away from the start and deeper down.
constexpr std::array<Zone, 20> kZones{{
    {0, 140, 0, 199, 30, 0, 1},     // round the village where the hero wakes: no battles
    {0, 94, 38, 138, 74, 7, 1},     // the central mountains
    {0, 100, 0, 199, 80, 1, 1},     // the north-east
    {0, 0, 0, 99, 80, 2, 1},        // the north-west
    {0, 0, 81, 99, 149, 4, 6},      // the south-west
    {0, 0, 0, 199, 149, 5, 6},      // the south-east
    {1, 0, 0, 99, 149, 11, 9},      // the caves
    {1, 0, 0, 199, 149, 23, 9},
    {2, 0, 0, 99, 149, 12, 10},     // the old dungeon
    {2, 0, 0, 199, 149, 13, 10},
    {3, 0, 0, 199, 149, 15, 13},    // the fire caves
    {4, 0, 0, 32, 45, 0, 14},       // the landing shore by the tower: no battles
    {4, 0, 0, 99, 74, 24, 14},      // the north-west
    {4, 100, 0, 199, 74, 26, 15},   // the snow and the pass
    {4, 0, 0, 199, 149, 28, 15},    // the south and the desert
    {5, 0, 0, 99, 149, 29, 17},     // the frozen caves
    {5, 0, 0, 199, 149, 30, 17},
    {6, 100, 100, 199, 149, 33, 18},  // the demon's hold: its inner halls
    {6, 0, 0, 99, 149, 31, 18},
    {6, 0, 0, 199, 149, 32, 18},
}};

}  // namespace

const Zone* zoneAt(int map, int x, int y) {
    for (const Zone& z : kZones)
        if (z.map == map && x >= z.x0 && x <= z.x1 && y >= z.y0 && y <= z.y1) return &z;
    return nullptr;
}

}  // namespace world
