#pragma once
// The terrain codes the world is drawn with, found in the tile catalogue by
// what they depict, so the maps always use the picture that fits.
#include "tile_catalogue.h"
#include "world/level_changes.h"
#include "world/zones.h"

namespace assetgen::worldtiles {

constexpr int codeOf(Ground g, Feature f) {
    for (const TileEntry& e : kTileCatalogue)
        if (e.ground == g && e.feature == f) return e.code;
    return -1;
}

using G = Ground;
using F = Feature;

// Water.
inline constexpr int sea = codeOf(G::ocean, F::waves), seaRocks = codeOf(G::ocean, F::waterRocks),
                     lake = codeOf(G::lake, F::none), reeds = codeOf(G::lake, F::reeds),
                     bridge = codeOf(G::lake, F::bridge);
// Open country.
inline constexpr int grass = codeOf(G::grass, F::none), flowers = codeOf(G::grass, F::flowers),
                     tallGrass = codeOf(G::tallGrass, F::none), shrubs = codeOf(G::grass, F::shrubs),
                     stonyGrass = codeOf(G::grass, F::pebbles), dirt = codeOf(G::dirt, F::none),
                     farmland = codeOf(G::farmland, F::none), sand = codeOf(G::sand, F::none),
                     cactus = codeOf(G::sand, F::cactus), palm = codeOf(G::sand, F::palm),
                     boulder = codeOf(G::grass, F::boulder), fence = codeOf(G::grass, F::fence),
                     graves = codeOf(G::dirt, F::graves);
// Woods.
inline constexpr int forestFloor = codeOf(G::forestFloor, F::none),
                     woodPath = codeOf(G::forestFloor, F::path),
                     mushrooms = codeOf(G::forestFloor, F::mushrooms),
                     pines = codeOf(G::grass, F::pines), oaks = codeOf(G::grass, F::oaks),
                     thicket = codeOf(G::forestFloor, F::thicket),
                     greatOak = codeOf(G::forestFloor, F::greatTree),
                     deadTrees = codeOf(G::swamp, F::deadTrees);
// Heights, snow and fire.
inline constexpr int mountain = codeOf(G::grass, F::mountain), snowPeak = codeOf(G::snow, F::snowPeak),
                     volcano = codeOf(G::ash, F::volcano), cliff = codeOf(G::dirt, F::cliff),
                     snow = codeOf(G::snow, F::none), drifts = codeOf(G::snow, F::drifts),
                     iceFloor = codeOf(G::ice, F::none), snowPine = codeOf(G::snow, F::snowPine),
                     iceBlock = codeOf(G::ice, F::iceBlock), ash = codeOf(G::ash, F::none),
                     lava = codeOf(G::lava, F::none), chasm = codeOf(G::chasm, F::none);
// Roads.
inline constexpr int roadEW = codeOf(G::grass, F::roadEW), roadNS = codeOf(G::grass, F::roadNS),
                     roadSE = codeOf(G::grass, F::roadSE), roadSW = codeOf(G::grass, F::roadSW),
                     roadNE = codeOf(G::grass, F::roadNE), roadNW = codeOf(G::grass, F::roadNW),
                     crossroads = codeOf(G::grass, F::crossroads);
// Towns and castles.
inline constexpr int street = codeOf(G::cobble, F::none), townWall = codeOf(G::townWall, F::none),
                     roof = codeOf(G::roof, F::none), houseFront = codeOf(G::cobble, F::houseFront),
                     well = codeOf(G::cobble, F::well), fountain = codeOf(G::cobble, F::fountain),
                     stall = codeOf(G::cobble, F::stall), crates = codeOf(G::cobble, F::crates),
                     barrels = codeOf(G::cobble, F::barrels),
                     castleWall = codeOf(G::castleWall, F::none),
                     battlements = codeOf(G::castleWall, F::battlements),
                     towerTop = codeOf(G::grass, F::towerTop),
                     towerBody = codeOf(G::grass, F::towerMiddle),
                     towerDoor = codeOf(G::grass, F::towerBase);
// Below ground.
inline constexpr int caveFloor = codeOf(G::caveFloor, F::none), rubble = codeOf(G::caveFloor, F::rubble),
                     bones = codeOf(G::caveFloor, F::bones), darkFloor = codeOf(G::darkFloor, F::none),
                     caveWall = codeOf(G::caveWall, F::none), brickWall = codeOf(G::dungeonWall, F::none),
                     crystals = codeOf(G::caveFloor, F::crystals),
                     stalagmites = codeOf(G::caveFloor, F::stalagmites),
                     pool = codeOf(G::cavePool, F::none), flagstone = codeOf(G::flagstone, F::none),
                     cracked = codeOf(G::flagstone, F::cracks), mossy = codeOf(G::moss, F::none),
                     pillar = codeOf(G::flagstone, F::pillar), altar = codeOf(G::flagstone, F::altar),
                     statue = codeOf(G::flagstone, F::statue), brazier = codeOf(G::flagstone, F::brazier),
                     portcullis = codeOf(G::flagstone, F::portcullis),
                     sealedDoor = codeOf(G::dungeonWall, F::sealedDoor),
                     stairs = codeOf(G::flagstone, F::stairs), caveMouth = codeOf(G::grass, F::caveMouth);

constexpr bool allFound() {
    for (int c : {sea, seaRocks, lake, reeds, bridge, grass, flowers, tallGrass, shrubs, stonyGrass, dirt,
                  farmland, sand, cactus, palm, boulder, fence, graves, forestFloor, woodPath, mushrooms,
                  pines, oaks, thicket, greatOak, deadTrees, mountain, snowPeak, volcano, cliff, snow,
                  drifts, iceFloor, snowPine, iceBlock, ash, lava, chasm, roadEW, roadNS, roadSE, roadSW,
                  roadNE, roadNW, crossroads, street, townWall, roof, houseFront, well, fountain, stall,
                  crates, barrels, castleWall, battlements, towerTop, towerBody, towerDoor, caveFloor,
                  rubble, bones, darkFloor, caveWall, brickWall, crystals, stalagmites, pool, flagstone,
                  cracked, mossy, pillar, altar, statue, brazier, portcullis, sealedDoor, stairs, caveMouth})
        if (c < 0) return false;
    return true;
}
static_assert(allFound(), "a tile the world needs is missing from the catalogue");
static_assert(stairs == world::kStairsTile && caveMouth == world::kCaveMouthTile,
              "the level changes name other tiles than the catalogue's stairs and cave mouth");
static_assert(world::isQuietTerrain(street) && world::isQuietTerrain(bridge) &&
                  world::isQuietTerrain(roadEW) && world::isQuietTerrain(crossroads) &&
                  !world::isQuietTerrain(grass) && !world::isQuietTerrain(caveFloor),
              "random battles must spare towns and roads only");

}  // namespace assetgen::worldtiles
