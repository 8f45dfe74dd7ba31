#pragma once
// Zones: rectangles of a map that set the encounter group and the music.
#include <cstdint>

namespace world {

struct Zone {
    int map;
    int x0, y0, x1, y1;  // inclusive
    std::uint8_t group;  // 0: no random battles
    std::uint8_t track;  // music/<track>.mid
    int fromStage = 0;   // the zone holds from this story stage on
};

// The zone that holds a cell at a story stage: the first listed that does,
// or nullptr.
const Zone* zoneAt(int map, int x, int y, int stage);

// Terrain where no random battle is counted: town streets, roads and bridges.
inline constexpr int kQuietTerrain[] = {4, 9, 67, 68, 69, 70, 71, 72, 73};

constexpr bool isQuietTerrain(int code) {
    for (int c : kQuietTerrain)
        if (c == code) return true;
    return false;
}

}  // namespace world
