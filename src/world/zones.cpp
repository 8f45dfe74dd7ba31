#include "world/zones.h"

#include <array>

namespace world {
namespace {

constexpr std::array<Zone, 7> kZones{{
    {0, 0, 0, 199, 149, 1, 1},
    {1, 0, 0, 199, 149, 11, 9},
    {2, 0, 0, 199, 149, 12, 10},
    {3, 0, 0, 199, 149, 15, 13},
    {4, 0, 0, 199, 149, 24, 14},
    {5, 0, 0, 199, 149, 29, 17},
    {6, 0, 0, 199, 149, 31, 18},
}};

constexpr std::array<int, 2> kQuietTerrain{4, 9};

}  // namespace

const Zone* zoneAt(int map, int x, int y) {
    for (const Zone& z : kZones)
        if (z.map == map && x >= z.x0 && x <= z.x1 && y >= z.y0 && y <= z.y1) return &z;
    return nullptr;
}

bool isQuietTerrain(int code) {
    for (int c : kQuietTerrain)
        if (c == code) return true;
    return false;
}

}  // namespace world
