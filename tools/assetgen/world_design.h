#pragma once
// The world as data: each map is a list of shapes (land, forests, rooms...)
// that the painters turn into terrain codes.
#include <cstdint>
#include <vector>

namespace assetgen::worldgen {

struct Pt {
    int x, y;
};
// An ellipse with a ragged edge.
struct Blob {
    int x, y, rx, ry;
};
struct Rect {
    int x, y, w, h;
};
// A path through these points, walked cell by cell without diagonal steps.
using Line = std::vector<Pt>;

struct Chest {
    int x, y, code;  // the object code of the chest
};

enum class Side { north, south, east, west };

// A walled town with houses round a square; its gate opens in the middle of one side.
struct Town {
    Rect area;
    Side gate;
};

enum class Landmark {
    tower,      // a three-cell tower, door at the bottom
    shrine,     // a statue between two pillars on a paved square
    graveyard,  // rows of graves behind a fence
    castle,     // a walled keep with battlements
    oasis,      // a pool under palms
    altar,      // an altar between braziers (below ground)
    statues,    // two demon statues flanking a passage (below ground)
    cliff,      // a ledge of open ground under a wall of rock, facing south
};
struct Mark {
    Landmark kind;
    int x, y;
};

// One of the two continents.
struct SurfaceDesign {
    int map;
    std::uint32_t seed;
    std::vector<Blob> land, forests, mountains, lakes, deserts, snowfields, swamps, volcanoes;
    std::vector<Line> rivers, roads;
    std::vector<Town> towns;
    std::vector<Mark> marks;
    std::vector<Chest> chests;
};

// How a level below ground looks.
enum class DepthStyle {
    cave,      // rough rock, cave floors
    dungeon,   // brick walls, flagstones
    frozen,    // rock and ice
    volcanic,  // rock, ash and lava
};

// One of the five levels below ground.
struct DepthDesign {
    int map;
    std::uint32_t seed;
    DepthStyle style;
    std::vector<Blob> caverns;  // ragged rooms
    std::vector<Rect> halls;    // straight-walled rooms
    std::vector<Line> tunnels;  // passages two cells wide
    std::vector<Blob> pools, lava, chasms;
    std::vector<Mark> marks;
    std::vector<Chest> chests;
};

}  // namespace assetgen::worldgen
