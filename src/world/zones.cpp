#include "world/zones.h"

#include <array>

namespace world {
namespace {

// By map; the first rectangle that holds a cell wins, so the small ones come
// first and each map ends with one that covers it whole. Groups grow harder
// away from the start and deeper down.
constexpr std::array<Zone, 42> kZones{{
    // The first continent. The story's places carry the music its scenes
    // leave playing there, so the next step does not switch it away.
    {0, 140, 0, 199, 30, 0, 1},     // round the village where the hero wakes: no battles
    {0, 136, 119, 143, 128, 5, 14}, // before the shrine cave
    {0, 125, 95, 199, 149, 5, 0},   // the Holy Chapel's country: the shrine, the harbour town, the cliff
    {0, 44, 49, 60, 63, 0, 18},     // the palace: no battles
    {0, 94, 38, 138, 74, 7, 1},     // the central mountains
    {0, 100, 0, 199, 80, 1, 1},     // the north-east
    {0, 0, 0, 99, 84, 2, 18},       // the north-west, with the palace
    {0, 0, 85, 99, 149, 4, 6},      // the south-west
    {0, 0, 0, 199, 149, 5, 6},      // the south-east
    {1, 0, 0, 99, 149, 11, 9},      // the caves
    {1, 0, 0, 199, 149, 23, 9},
    {2, 0, 0, 99, 149, 12, 10},     // the old dungeon
    {2, 0, 0, 199, 149, 13, 10},
    {3, 0, 0, 199, 149, 15, 13},    // the fire caves
    // The second continent.
    {4, 0, 12, 16, 24, 0, 19},      // the fishing town: no battles
    {4, 74, 48, 98, 72, 0, 19},     // the father's town: no battles
    {4, 100, 104, 124, 124, 0, 17}, // the town in the snow: no battles
    {4, 70, 76, 92, 96, 0, 23},     // the Zephyrs' tower and its lake: no battles
    {4, 134, 71, 146, 80, 26, 17},  // the road to the volcano
    {4, 134, 81, 146, 96, 26, 14},  // the volcano's foot
    {4, 147, 84, 170, 100, 0, 17},  // the volcano
    {4, 118, 66, 133, 74, 26, 25},  // the pass west of the volcano road
    {4, 0, 0, 32, 45, 0, 14},       // the landing shore: no battles
    {4, 0, 0, 99, 74, 24, 14},      // the north-west
    {4, 100, 0, 199, 74, 26, 15},   // the desert and the pass
    {4, 0, 0, 199, 149, 28, 15},    // the south and the snow
    // Below the second continent the story first crosses the hold and the
    // frozen caves, from the old tunnel to the way up nearest the father's
    // town, long before it comes back for the last fights. That way meets the
    // fire caves' group again; the halls off it, the north of the great cave
    // where Maurice is met and the hold's inner halls keep the hardest. The
    // Demons' rearguard waits on the way itself, so its passage goes with it.
    // Once the volcano has fallen, the Demons who fled it fill that way: a
    // zone with a stage holds from it on, ahead of the one it replaces.
    {5, 84, 54, 96, 63, 29, 17},    // the frozen caves: where Maurice is met
    {5, 56, 44, 185, 75, 29, 17, 898},   // the great cave, after the volcano
    {5, 78, 73, 130, 112, 29, 17, 898},  // the passage south, after the volcano
    {5, 56, 44, 185, 75, 15, 17},   // the great cave, and east to the stairs
    {5, 78, 73, 130, 112, 15, 17},  // the passage south to the way up
    {5, 0, 0, 99, 149, 29, 17},
    {5, 0, 0, 199, 149, 30, 17},
    {6, 100, 100, 199, 149, 33, 18},  // the demon's hold: its inner halls
    {6, 20, 88, 99, 131, 31, 18, 900},   // the hold's ways, once its last guards stand
    {6, 70, 60, 179, 89, 31, 18, 900},
    {6, 20, 88, 99, 131, 29, 18, 898},   // the hold's ways, after the volcano
    {6, 70, 60, 179, 89, 29, 18, 898},
    {6, 20, 88, 99, 131, 15, 18},     // from the deep passage's stairs to the great hall
    {6, 70, 60, 179, 89, 15, 18},     // north, and the long passage east to the stairs up
    {6, 0, 0, 99, 149, 31, 18},
    {6, 0, 0, 199, 149, 32, 18},
}};

}  // namespace

const Zone* zoneAt(int map, int x, int y, int stage) {
    for (const Zone& z : kZones)
        if (z.map == map && stage >= z.fromStage && x >= z.x0 && x <= z.x1 && y >= z.y0 && y <= z.y1)
            return &z;
    return nullptr;
}

}  // namespace world
