// Map 4: the second continent, reached from below. The fishing town by the
// landing shore in the north-west, the father's walled town in the middle,
// the Zephyrs' tower on an island among the mountains south of it, the town in
// the snow in the south, desert in the north-east and the volcano in the east.
#include "world_maps.h"

namespace assetgen::worldgen {

SurfaceDesign secondContinent() {
    SurfaceDesign d;
    d.map = 4;
    d.seed = 4004;
    d.land = {{70, 70, 62, 52}, {10, 22, 20, 16}, {150, 60, 36, 40}, {110, 118, 40, 22}, {48, 28, 24, 12}};
    d.snowfields = {{110, 124, 28, 13}};
    d.deserts = {{152, 34, 26, 14}};
    d.volcanoes = {{160, 92, 8, 6}};
    d.swamps = {{40, 100, 14, 9}};
    d.forests = {{62, 44, 13, 8}, {102, 58, 11, 13}, {28, 72, 12, 10}, {176, 66, 6, 9}};
    d.mountains = {{78, 84, 9, 5}, {88, 80, 6, 5}, {70, 88, 5, 4}, {130, 62, 5, 6}, {132, 76, 6, 6},
                   {127, 84, 4, 4}, {180, 44, 5, 6}, {184, 52, 4, 5},
                   {45, 24, 6, 4}};  // east of the fishing town, round the northern cave
    d.lakes = {{54, 66, 6, 4}, {80, 84, 5, 4},
               {110, 65, 2, 1}};  // a spring above the road west of the pass
    d.rivers = {{{54, 70}, {56, 84}, {62, 96}, {64, 112}, {66, 140}}};
    // The fishing town's first house has its doorstep at (5, 18), a place of the story.
    d.towns = {{{1, 14, 13, 9}, Side::east},      // the fishing town by the landing
               {{80, 54, 13, 12}, Side::south},   // the father's town
               {{150, 50, 13, 9}, Side::west},    // the desert town
               {{106, 110, 13, 9}, Side::north}}; // the town in the snow
    d.marks = {{Landmark::tower, 80, 83},         // the Zephyrs' tower, in its lake
               {Landmark::castle, 56, 21},
               {Landmark::oasis, 164, 38}};
    d.roads = {{{14, 18}, {33, 18}, {33, 34}, {40, 34}, {70, 34}, {70, 70}, {86, 70}, {86, 66}},  // from the fishing town
               {{40, 34}, {40, 31}},                                      // to the northern cave
               {{56, 34}, {56, 26}},                                      // to the keep
               {{80, 85}, {80, 92}, {86, 92}},                            // over the water to the tower
               {{140, 70}, {140, 92}, {150, 92}},                         // to the volcano
               {{86, 70}, {140, 70}, {140, 54}, {149, 54}},               // over the pass to the desert town
               {{86, 70}, {86, 104}, {112, 104}, {112, 109}},             // south to the town in the snow
               {{112, 104}, {120, 104}, {120, 101}}};                     // to the southern cave
    d.chests = {{22, 27, 2}, {45, 33, 7}, {88, 73, 6}, {141, 52, 8},
                {56, 18, 2}, {114, 102, 1}, {128, 121, 6}, {85, 100, 10}};
    return d;
}

}  // namespace assetgen::worldgen
