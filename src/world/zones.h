#pragma once
// Zones: rectangles of a map that set the encounter group and the music.
#include <cstdint>

namespace world {

struct Zone {
    int map;
    int x0, y0, x1, y1;  // inclusive
    std::uint8_t group;  // 0: no random battles
    std::uint8_t track;  // music/<track>.mid
};

// The zone that holds a cell: the first listed that does, or nullptr.
const Zone* zoneAt(int map, int x, int y);

// Terrain where no random battle is counted: towns and roads.
bool isQuietTerrain(int code);

}  // namespace world
