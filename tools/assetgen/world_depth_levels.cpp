// Maps 1, 2, 3, 5 and 6: the levels below ground. Under the first continent
// the caves (1) lead down to an old dungeon (2) and the fire caves (3), whose
// deep passage comes up under the second continent in the demon's hold (6);
// above it lie the frozen caves (5), with two ways up to the surface. Every
// passage starts inside a room or at a corner of another passage, since the
// natural ones wander between their corners.
#include "world_maps.h"

namespace assetgen::worldgen {
namespace {

DepthDesign caves() {
    DepthDesign d;
    d.map = 1;
    d.seed = 1111;
    d.style = DepthStyle::cave;
    d.caverns = {{118, 66, 9, 6}, {141, 127, 8, 5}, {60, 103, 10, 7}, {90, 80, 12, 8}, {40, 60, 9, 7},
                 {100, 120, 8, 6}, {150, 90, 9, 6},  {170, 40, 8, 6},  {130, 30, 7, 5}, {20, 100, 7, 6},
                 {75, 135, 7, 4},  {30, 30, 8, 6},   {180, 115, 7, 6}};
    d.tunnels = {{{116, 70}, {116, 80}, {90, 80}},  {{90, 80}, {70, 80}, {70, 104}, {62, 104}},
                 {{90, 80}, {40, 80}, {40, 62}},    {{138, 128}, {150, 128}, {150, 124}},
                 {{150, 97}, {150, 90}},
                 {{150, 90}, {130, 90}, {130, 68}, {120, 68}},
                 {{90, 80}, {90, 120}, {100, 120}}, {{122, 65}, {130, 65}, {130, 30}},
                 {{130, 30}, {170, 30}, {170, 40}}, {{40, 58}, {40, 30}, {30, 30}},
                 {{55, 103}, {20, 103}},            {{96, 122}, {75, 122}, {75, 135}},
                 {{155, 92}, {180, 92}, {180, 115}}};
    // The guarded corridor north of the shrine cave: a straight hall the
    // passage runs through, where the Guards' monsters wait in a line. A
    // niche half-way up it, and a hollow off the passage down to the Demon,
    // give the party a rest before the next step up.
    d.halls = {{150, 97, 2, 28}, {152, 113, 3, 2}, {72, 84, 3, 2}};
    d.pools = {{86, 76, 4, 2}, {38, 57, 3, 2}, {133, 29, 2, 2}, {176, 117, 2, 2}};
    // The Guards keep their stores in the hall between the beasts: the party
    // meets them fight by fight, with no rest until the palace.
    d.chests = {{92, 84, 3},  {40, 64, 6},  {104, 121, 2}, {152, 92, 7}, {64, 107, 5}, {123, 68, 1},
                {172, 42, 4}, {18, 101, 8}, {78, 136, 1},  {28, 29, 6},
                {151, 119, 8}, {150, 116, 6}, {151, 113, 8}, {150, 110, 6}, {151, 107, 8}, {150, 104, 8},
                // Potions in the hollow above the Demon's passage.
                {74, 84, 8}, {74, 85, 8}};
    return d;
}

DepthDesign dungeon() {
    DepthDesign d;
    d.map = 2;
    d.seed = 2222;
    d.style = DepthStyle::dungeon;
    d.halls = {{52, 96, 17, 9},  {80, 60, 20, 14},  {142, 34, 17, 12}, {110, 90, 14, 10},
               {30, 40, 14, 10}, {160, 100, 16, 12}, {120, 18, 10, 7},  {20, 118, 12, 8},
               {90, 124, 16, 9}, {174, 56, 12, 8},   {56, 18, 10, 8},   {68, 75, 5, 4},
               {133, 70, 5, 4}};
    // The north passage off the first hall is a dead end with the Guards'
    // strongest in it; the way on leaves the hall's east side.
    d.tunnels = {{{56, 97}, {56, 66}},                 {{90, 61}, {90, 40}, {143, 40}},
                 {{98, 66}, {117, 66}, {117, 91}},     {{122, 95}, {168, 95}, {168, 101}},
                 {{56, 66}, {37, 66}, {37, 49}},       {{150, 35}, {150, 22}, {129, 22}},
                 {{53, 100}, {26, 100}, {26, 119}},    {{115, 99}, {115, 110}, {98, 110}, {98, 125}},
                 {{158, 40}, {180, 40}, {180, 57}},    {{37, 41}, {37, 22}, {65, 22}},
                 {{68, 98}, {76, 98}, {76, 66}, {82, 66}}, {{72, 77}, {76, 77}},
                 {{118, 72}, {134, 72}}};
    d.chasms = {{170, 108, 3, 2}, {96, 128, 2, 2}};
    d.marks = {{Landmark::altar, 90, 63}, {Landmark::statues, 150, 37}, {Landmark::statues, 98, 128}};
    d.chests = {{96, 70, 3},  {40, 47, 7},  {120, 98, 8},  {172, 104, 5}, {64, 102, 6},
                {126, 20, 3}, {22, 122, 2}, {102, 130, 8}, {182, 58, 7},  {58, 20, 8},
                {70, 76, 9}, {68, 78, 8}};
    return d;
}

DepthDesign fireCaves() {
    DepthDesign d;
    d.map = 3;
    d.seed = 3333;
    d.style = DepthStyle::volcanic;
    d.caverns = {{150, 44, 10, 7}, {110, 72, 14, 9}, {60, 90, 12, 8},  {30, 127, 9, 7}, {160, 110, 10, 8},
                 {100, 30, 9, 6},  {185, 80, 8, 8},  {120, 125, 10, 6}, {20, 70, 8, 7},  {80, 130, 8, 5}};
    d.tunnels = {{{150, 48}, {150, 70}, {112, 70}},   {{110, 72}, {60, 72}, {60, 88}},
                 {{60, 92}, {60, 124}, {33, 124}},    {{150, 70}, {160, 70}, {160, 108}},
                 {{146, 44}, {100, 44}, {100, 32}},   {{164, 108}, {185, 108}, {185, 84}},
                 {{160, 114}, {160, 125}, {122, 125}}, {{56, 90}, {20, 90}, {20, 74}},
                 {{60, 92}, {60, 110}, {80, 110}, {80, 128}}};
    d.lava = {{110, 66, 5, 2}, {164, 114, 4, 3}, {118, 128, 3, 2}, {104, 27, 3, 2}, {188, 76, 2, 2}};
    d.chasms = {{54, 87, 3, 2}, {18, 67, 2, 2}, {78, 132, 2, 1}};
    // The shelter the father's miners used while they sealed the deep
    // passage, off the cave at its head.
    d.halls = {{18, 126, 4, 3}};
    d.chests = {{112, 76, 4}, {64, 94, 9}, {163, 105, 3}, {34, 124, 8}, {66, 86, 5},
                {96, 30, 4},  {187, 82, 9}, {124, 122, 5}, {22, 72, 8}, {84, 130, 3}};
    return d;
}

DepthDesign frozenCaves() {
    DepthDesign d;
    d.map = 5;
    d.seed = 5555;
    d.style = DepthStyle::frozen;
    d.caverns = {{170, 64, 10, 7}, {40, 34, 10, 7}, {120, 104, 10, 6}, {90, 60, 16, 10}, {60, 110, 10, 8},
                 {140, 30, 9, 6},  {20, 80, 8, 6},  {160, 120, 9, 6},  {100, 134, 7, 5}};
    d.tunnels = {{{166, 64}, {140, 64}, {130, 64}, {100, 64}},  {{84, 58}, {40, 58}, {40, 38}},
                 {{90, 66}, {90, 104}, {116, 104}},  {{90, 104}, {60, 104}, {60, 108}},
                 {{140, 64}, {140, 34}},             {{40, 58}, {20, 58}, {20, 78}},
                 {{124, 106}, {160, 106}, {160, 118}}, {{90, 104}, {96, 104}, {96, 134}, {100, 134}}};
    d.pools = {{94, 55, 4, 2}, {142, 27, 2, 2}, {58, 114, 3, 2}};
    d.chests = {{94, 64, 3},  {44, 36, 7},  {124, 106, 9}, {62, 113, 4}, {174, 66, 6},
                {144, 30, 4}, {18, 82, 8},  {164, 122, 5}, {102, 136, 3},
                {79, 51, 8}, {82, 51, 8}};
    return d;
}

DepthDesign demonsHold() {
    DepthDesign d;
    d.map = 6;
    d.seed = 6666;
    d.style = DepthStyle::dungeon;
    // The last entry: a guardroom off the way down to the last hall.
    d.halls = {{22, 122, 17, 10}, {60, 90, 24, 16}, {110, 60, 18, 14}, {162, 54, 17, 12}, {120, 108, 22, 15},
               {60, 30, 16, 10},  {170, 110, 14, 10}, {20, 60, 12, 10}, {100, 20, 12, 8},
               {102, 108, 4, 3}};
    d.tunnels = {{{30, 123}, {30, 98}, {61, 98}},      {{72, 91}, {72, 67}, {111, 67}},
                 {{126, 67}, {166, 67}, {166, 64}},    {{82, 98}, {100, 98}, {100, 116}, {121, 116}},
                 {{72, 67}, {72, 39}},                 {{141, 116}, {171, 116}},
                 {{30, 98}, {26, 98}, {26, 69}},       {{119, 61}, {119, 24}, {111, 24}}};
    d.lava = {{64, 94, 2, 2}, {80, 103, 2, 2}, {176, 113, 2, 2}};
    d.marks = {{Landmark::altar, 131, 111}, {Landmark::statues, 131, 118}, {Landmark::statues, 72, 93}};
    d.chests = {{66, 100, 4}, {125, 64, 9}, {138, 120, 4}, {174, 57, 8}, {26, 124, 5},
                {64, 32, 9},  {180, 117, 4}, {24, 62, 8},  {104, 22, 5},
                {105, 108, 8}, {105, 110, 8}};
    return d;
}

}  // namespace

DepthDesign depth(int map) {
    switch (map) {
        case 1: return caves();
        case 2: return dungeon();
        case 3: return fireCaves();
        case 5: return frozenCaves();
        default: return demonsHold();
    }
}

}  // namespace assetgen::worldgen
