#pragma once
// Stairs and cave mouths: stepping onto the tile at its place takes the
// party to another map. Header-only: the asset generator lays the tiles
// exactly where this table says.
#include <array>
#include <cstddef>

namespace world {

inline constexpr int kStairsTile = 23, kCaveMouthTile = 48;

struct LevelChange {
    int map, x, y;  // where the tile lies
    int tile;       // the terrain code that must be there
    int toMap, toX, toY;
};

// A link joins two maps at the same place: each end has its tile there, and
// the party arrives on the cell just south of the other end.
struct Link {
    int mapA, tileA, mapB, tileB, x, y;
};

inline constexpr Link kLinks[] = {
    {0, kCaveMouthTile, 1, kStairsTile, 118, 62},   // the cave in the central mountains
    {0, kCaveMouthTile, 1, kStairsTile, 141, 124},  // the cave by the southern shrine
    {1, kStairsTile, 2, kStairsTile, 60, 100},
    {2, kStairsTile, 3, kStairsTile, 150, 40},
    {3, kStairsTile, 6, kStairsTile, 30, 130},      // the deep passage between the continents
    {6, kStairsTile, 5, kStairsTile, 170, 60},
    {5, kStairsTile, 4, kCaveMouthTile, 40, 30},
    {5, kStairsTile, 4, kCaveMouthTile, 120, 100},
};

inline constexpr auto kLevelChanges = [] {
    std::array<LevelChange, std::size(kLinks) * 2> out{};
    std::size_t n = 0;
    for (const Link& l : kLinks) {
        out[n++] = {l.mapA, l.x, l.y, l.tileA, l.mapB, l.x, l.y + 1};
        out[n++] = {l.mapB, l.x, l.y, l.tileB, l.mapA, l.x, l.y + 1};
    }
    return out;
}();

constexpr const LevelChange* levelChangeAt(int map, int x, int y) {
    for (const LevelChange& c : kLevelChanges)
        if (c.map == map && c.x == x && c.y == y) return &c;
    return nullptr;
}

}  // namespace world
