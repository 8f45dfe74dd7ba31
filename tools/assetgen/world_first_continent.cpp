// Map 0: the first continent. The hero wakes by the village in the north-east;
// a highway runs south past the mountains to the harbour town; caves in the
// mountains and by the southern shrine (the Holy Chapel) lead below. The
// palace stands in the west, and a cliff over the southern sea lies east of
// the shrine.
#include "world_maps.h"

namespace assetgen::worldgen {

SurfaceDesign firstContinent() {
    SurfaceDesign d;
    d.map = 0;
    d.seed = 1001;
    d.land = {{100, 72, 78, 58}, {160, 24, 34, 20}, {150, 122, 38, 22}, {38, 48, 26, 34}, {60, 112, 30, 24}};
    d.mountains = {{104, 46, 8, 6}, {113, 51, 9, 6}, {124, 56, 8, 7}, {131, 47, 7, 5}, {108, 64, 8, 5},
                   {123, 68, 6, 4}, {96, 56, 5, 4},  {28, 24, 6, 8},  {32, 36, 7, 7},  {42, 43, 6, 6},
                   {46, 32, 5, 5},  {182, 36, 6, 5}, {176, 30, 4, 4}};
    d.forests = {{70, 32, 18, 11}, {60, 86, 14, 9}, {172, 70, 11, 15}, {128, 100, 10, 7}, {138, 18, 6, 5}};
    d.lakes = {{78, 64, 7, 5}, {146, 44, 5, 3}, {182, 117, 7, 3}};  // the last: the harbour by the town
    d.swamps = {{44, 104, 12, 8}};
    d.rivers = {{{78, 68}, {79, 82}, {76, 96}, {82, 110}, {84, 124}, {86, 146}},
                {{132, 68}, {144, 66}, {156, 64}, {156, 50}, {150, 46}}};
    d.towns = {{{146, 8, 13, 9}, Side::east},     // the village where the hero wakes
               {{89, 92, 23, 15}, Side::north},   // the market town at the crossroads
               {{28, 58, 15, 15}, Side::east},    // the western town
               {{162, 110, 15, 15}, Side::west}}; // the harbour town
    d.marks = {{Landmark::shrine, 152, 127},       // its doorstep is a place of the story
               {Landmark::tower, 170, 20},
               {Landmark::graveyard, 34, 76},
               {Landmark::tower, 184, 108},
               {Landmark::castle, 52, 56},         // the palace
               {Landmark::cliff, 160, 137}};
    d.roads = {{{159, 12}, {162, 12}, {162, 58}, {150, 58}, {150, 117}, {161, 117}},  // the highway
               {{150, 80}, {118, 80}, {100, 80}, {100, 91}},                         // to the market town
               {{118, 80}, {118, 63}},                                                 // to the mountain cave
               {{100, 80}, {60, 80}, {60, 65}, {43, 65}},                              // to the western town
               {{46, 65}, {46, 80}, {34, 80}},                                         // to the graveyard
               {{150, 110}, {144, 110}, {144, 131}, {152, 131}},                       // to the shrine
               {{144, 125}, {141, 125}},                                               // to the shrine cave
               {{52, 61}, {52, 65}},                                                   // to the palace
               {{152, 131}, {156, 131}, {156, 137}, {158, 137}}};                      // to the cliff
    // The monster chest waits by the graveyard in the west, off the story's way;
    // the shrine's platform holds a herb.
    d.chests = {{164, 20, 1}, {121, 76, 6}, {58, 70, 7}, {148, 100, 2},
                {100, 108, 10}, {170, 127, 1}, {154, 128, 6}, {36, 76, 2}, {31, 78, 5}};
    return d;
}

}  // namespace assetgen::worldgen
