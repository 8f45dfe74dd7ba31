#pragma once
// What every terrain code depicts. The tile pictures, the README's table and
// the tests all read this one table; the static checks below keep it in
// step with the walking rule and the battle backdrops.
#include <array>

#include "battle/backdrops.h"
#include "world/terrain.h"

namespace assetgen {

// The surface a tile is painted on; it fills the whole square and wraps.
enum class Ground : unsigned char {
    ocean, lake, grass, tallGrass, dirt, swamp, farmland, forestFloor, sand, snow, ice, cobble,
    caveFloor, flagstone, ash, moss, darkFloor, darkness, lava, chasm, caveWall, dungeonWall,
    townWall, castleWall, roof, cavePool,
};

// What stands on the ground, drawn inside the square or, for roads, the
// bridge and the tower, joined to the neighbour squares at the edges.
enum class Feature : unsigned char {
    none, waves, reeds, waterRocks, mountain, snowPeak, volcano, cliff, bridge, houseFront, pines,
    oaks, deadTrees, boulder, fence, pillar, well, rubble, stairs, battlements, cracks, flowers,
    cactus, towerTop, towerMiddle, towerBase, crates, shrubs, stall, fountain, barrels, palm,
    caveMouth, iceBlock, crystals, stalagmites, portcullis, altar, bones, graves, statue,
    sealedDoor, brazier, thicket, pebbles, path, mushrooms, greatTree, roadEW, roadNS, roadSE,
    roadSW, roadNE, roadNW, crossroads, drifts, snowPine,
};

struct TileEntry {
    int code;
    const char* depicts;
    Ground ground;
    Feature feature;
    bool walkable;
    battle::TerrainGroup group;
};

namespace tiles {
using G = Ground;
using F = Feature;
using T = battle::TerrainGroup;
inline constexpr auto N = T::none, W = T::woods, S = T::sand, U = T::underground, P = T::plains,
                      C = T::town, I = T::snow;
}  // namespace tiles

inline constexpr std::array<TileEntry, world::kTerrainCodes> kTileCatalogue = [] {
    using namespace tiles;
    return std::array<TileEntry, world::kTerrainCodes>{{
        {0, "deep sea", G::ocean, F::waves, false, N},
        {1, "lake water", G::lake, F::none, false, N},
        {2, "reeds in shallow water", G::lake, F::reeds, false, N},
        {3, "rocks in the sea", G::ocean, F::waterRocks, false, N},
        {4, "cobbled town street", G::cobble, F::none, true, C},
        {5, "mountain", G::grass, F::mountain, false, N},
        {6, "snow-capped peak", G::snow, F::snowPeak, false, N},
        {7, "volcano", G::ash, F::volcano, false, N},
        {8, "rocky cliff", G::dirt, F::cliff, false, N},
        {9, "wooden bridge", G::lake, F::bridge, true, N},
        {10, "town wall", G::townWall, F::none, false, N},
        {11, "house roof", G::roof, F::none, false, N},
        {12, "house front with window", G::cobble, F::houseFront, false, N},
        {13, "grass", G::grass, F::none, true, P},
        {14, "pine forest", G::grass, F::pines, false, N},
        {15, "oak forest", G::grass, F::oaks, false, N},
        {16, "dead trees in a swamp", G::swamp, F::deadTrees, false, N},
        {17, "boulder", G::grass, F::boulder, false, N},
        {18, "wooden fence", G::grass, F::fence, false, N},
        {19, "stone pillar", G::flagstone, F::pillar, false, N},
        {20, "town well", G::cobble, F::well, false, N},
        {21, "rubble on a cave floor", G::caveFloor, F::rubble, true, U},
        {22, "cave floor", G::caveFloor, F::none, true, U},
        {23, "stairs down", G::flagstone, F::stairs, true, N},
        {24, "cave rock wall", G::caveWall, F::none, false, N},
        {25, "dungeon brick wall", G::dungeonWall, F::none, false, N},
        {26, "lava", G::lava, F::none, false, N},
        {27, "chasm", G::chasm, F::none, false, N},
        {28, "dirt ground", G::dirt, F::none, true, P},
        {29, "castle wall", G::castleWall, F::none, false, N},
        {30, "castle battlements", G::castleWall, F::battlements, false, N},
        {31, "flagstone floor", G::flagstone, F::none, true, U},
        {32, "cracked flagstones", G::flagstone, F::cracks, true, U},
        {33, "volcanic ash", G::ash, F::none, true, U},
        {34, "mossy flagstones", G::moss, F::none, true, U},
        {35, "flower meadow", G::grass, F::flowers, true, P},
        {36, "cactus on sand", G::sand, F::cactus, false, N},
        {37, "tower roof (top of the tower)", G::grass, F::towerTop, false, N},
        {38, "tower body (middle of the tower)", G::grass, F::towerMiddle, false, N},
        {39, "tall grass", G::tallGrass, F::none, true, P},
        {40, "tower door (foot of the tower)", G::grass, F::towerBase, false, N},
        {41, "stacked crates", G::cobble, F::crates, false, N},
        {42, "low shrubs", G::grass, F::shrubs, true, P},
        {43, "market stall", G::cobble, F::stall, false, N},
        {44, "fountain", G::cobble, F::fountain, false, N},
        {45, "barrels", G::cobble, F::barrels, false, N},
        {46, "sand", G::sand, F::none, true, S},
        {47, "palm tree", G::sand, F::palm, false, N},
        {48, "cave entrance", G::grass, F::caveMouth, true, N},
        {49, "block of ice", G::ice, F::iceBlock, false, N},
        {50, "crystal cluster", G::caveFloor, F::crystals, false, N},
        {51, "stalagmites", G::caveFloor, F::stalagmites, false, N},
        {52, "underground pool", G::cavePool, F::none, false, N},
        {53, "iron portcullis", G::flagstone, F::portcullis, false, N},
        {54, "altar", G::flagstone, F::altar, false, N},
        {55, "bones on a cave floor", G::caveFloor, F::bones, true, U},
        {56, "graveyard", G::dirt, F::graves, false, N},
        {57, "demon statue", G::flagstone, F::statue, false, N},
        {58, "sealed door", G::dungeonWall, F::sealedDoor, false, N},
        {59, "brazier", G::flagstone, F::brazier, false, N},
        {60, "farmland", G::farmland, F::none, true, P},
        {61, "thicket", G::forestFloor, F::thicket, false, N},
        {62, "forest floor", G::forestFloor, F::none, true, W},
        {63, "stony grass", G::grass, F::pebbles, true, P},
        {64, "woodland path", G::forestFloor, F::path, true, W},
        {65, "mushroom glade", G::forestFloor, F::mushrooms, true, W},
        {66, "great oak", G::forestFloor, F::greatTree, false, N},
        {67, "road, east to west", G::grass, F::roadEW, true, P},
        {68, "road, north to south", G::grass, F::roadNS, true, P},
        {69, "road bend, south to east", G::grass, F::roadSE, true, P},
        {70, "road bend, south to west", G::grass, F::roadSW, true, P},
        {71, "road bend, north to east", G::grass, F::roadNE, true, P},
        {72, "road bend, north to west", G::grass, F::roadNW, true, P},
        {73, "crossroads", G::grass, F::crossroads, true, P},
        {74, "snow", G::snow, F::none, true, I},
        {75, "snowdrifts", G::snow, F::drifts, true, I},
        {76, "ice floor", G::ice, F::none, true, I},
        {77, "snowy pine", G::snow, F::snowPine, false, N},
        {78, "dark cave floor", G::darkFloor, F::none, true, U},
        {79, "darkness (dungeon filler)", G::darkness, F::none, true, U},
    }};
}();

constexpr bool catalogueAgreesWithGame() {
    for (std::size_t i = 0; i < kTileCatalogue.size(); ++i) {
        const TileEntry& e = kTileCatalogue[i];
        if (e.code != static_cast<int>(i)) return false;
        if (e.walkable == world::isBlocking(e.code)) return false;
        if (e.group != battle::terrainGroup(e.code)) return false;
    }
    return true;
}
static_assert(catalogueAgreesWithGame(), "tile catalogue out of step with the walking rule or the backdrops");

// The backdrop picture that shows each terrain group in battle (on the first
// continent, outside the special encounter groups).
constexpr int backdropOf(battle::TerrainGroup g) {
    switch (g) {
        case battle::TerrainGroup::woods: return battle::terrainBackdrop(62, 0, 0);
        case battle::TerrainGroup::sand: return battle::terrainBackdrop(46, 0, 0);
        case battle::TerrainGroup::underground: return battle::terrainBackdrop(22, 0, 0);
        case battle::TerrainGroup::plains: return battle::terrainBackdrop(13, 0, 0);
        case battle::TerrainGroup::town: return battle::terrainBackdrop(4, 0, 0);
        case battle::TerrainGroup::snow: return battle::terrainBackdrop(74, 0, 0);
        case battle::TerrainGroup::none: break;
    }
    return battle::kNoBackdrop;
}

}  // namespace assetgen
