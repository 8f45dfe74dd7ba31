#pragma once
// Stairs, cave mouths and passages: stepping onto the tile at its place takes
// the party to another map. Header-only: the asset generator lays the same
// tiles where this table says.
#include <array>

namespace world {

struct LevelChange {
    int map, x, y;  // where the tile lies
    int tile;       // the terrain code that must be there
    int toMap, toX, toY;
};

inline constexpr std::array<LevelChange, 2> kLevelChanges{{
    {0, 100, 50, 9, 1, 30, 40},
    {1, 30, 39, 9, 0, 100, 51},
}};

constexpr const LevelChange* levelChangeAt(int map, int x, int y) {
    for (const LevelChange& c : kLevelChanges)
        if (c.map == map && c.x == x && c.y == y) return &c;
    return nullptr;
}

}  // namespace world
