// Painting a continent: sea, land, the kinds of country on it, water, towns,
// landmarks and the roads that join them.
#include "rng.h"
#include "world/terrain.h"
#include "world_marks.h"
#include "world_maps.h"
#include "world_tiles.h"

namespace assetgen::worldgen {
namespace t = worldtiles;

namespace {

bool isWater(int c) { return c == t::sea || c == t::seaRocks || c == t::lake || c == t::reeds; }
bool isOpenGrass(int c) {
    return c == t::grass || c == t::flowers || c == t::tallGrass || c == t::shrubs || c == t::stonyGrass ||
           c == t::dirt;
}
bool isRoad(int c) {
    return c == t::roadEW || c == t::roadNS || c == t::roadSE || c == t::roadSW || c == t::roadNE ||
           c == t::roadNW || c == t::crossroads;
}
// What a road joins up with.
bool joinsRoad(int c) { return isRoad(c) || c == t::bridge || c == t::street || c == t::caveMouth; }

void paintGrassVariety(MapGrid& g, std::uint32_t seed) {
    for (int y = 0; y < world::kMapHeight; ++y)
        for (int x = 0; x < world::kMapWidth; ++x) {
            if (g.terrain(x, y) != t::grass) continue;
            if (patch(x, y, 14, seed + 11) > 0.66) g.setTerrain(x, y, t::flowers);
            else if (patch(x, y, 12, seed + 12) > 0.64) g.setTerrain(x, y, t::tallGrass);
            else if (patch(x, y, 10, seed + 13) > 0.68) g.setTerrain(x, y, t::shrubs);
            else if (patch(x, y, 16, seed + 14) > 0.70) g.setTerrain(x, y, t::dirt);
        }
}

void paintRegions(MapGrid& g, const SurfaceDesign& d) {
    const std::uint32_t s = d.seed;
    auto onLand = [&](const std::vector<Blob>& blobs, std::uint32_t salt,
                      const std::function<int(int x, int y, double depth)>& code, double ragged = 0.35) {
        for (const Blob& b : blobs)
            forBlob(b, s + salt, ragged, [&](int x, int y, double depth) {
                if (!isWater(g.terrain(x, y))) g.setTerrain(x, y, code(x, y, depth));
            });
    };
    onLand(d.deserts, 21, [&](int x, int y, double depth) {
        return depth > 0.15 && patch(x, y, 5, s + 22) > 0.7 ? t::cactus : t::sand;
    });
    onLand(d.snowfields, 23, [&](int x, int y, double) {
        if (patch(x, y, 6, s + 24) > 0.68) return t::snowPine;
        return patch(x, y, 9, s + 25) > 0.55 ? t::drifts : t::snow;
    });
    onLand(d.swamps, 26, [&](int x, int y, double) {
        const double p = patch(x, y, 5, s + 27);
        return p > 0.64 ? t::deadTrees : p < 0.28 ? t::reeds : t::tallGrass;
    });
    onLand(d.volcanoes, 28, [&](int, int, double depth) { return depth > 0.7 ? t::volcano : t::ash; });
    onLand(d.forests, 29, [&](int x, int y, double depth) {
        const double p = patch(x, y, 6, s + 30);
        if (depth > 0.12 && p > 0.45) {
            if (patch(x, y, 3, s + 31) > 0.9) return t::greatOak;
            if (p > 0.72) return t::thicket;
            return patch(x, y, 18, s + 32) > 0.5 ? t::pines : t::oaks;
        }
        return patch(x, y, 4, s + 33) > 0.8 ? t::mushrooms : t::forestFloor;
    });
    onLand(
        d.mountains, 34,
        [&](int x, int y, double depth) {
            if (depth > 0.8 && patch(x, y, 3, s + 37) > 0.4) return t::snowPeak;
            if (depth > 0.18) return patch(x, y, 7, s + 35) > 0.82 ? t::cliff : t::mountain;
            return patch(x, y, 3, s + 36) > 0.78 ? t::boulder : t::stonyGrass;
        },
        0.55);
}

void paintWater(MapGrid& g, const SurfaceDesign& d) {
    for (const Blob& b : d.lakes)
        forBlob(b, d.seed + 41, 0.3, [&](int x, int y, double depth) {
            g.setTerrain(x, y, depth < 0.12 && patch(x, y, 3, d.seed + 42) > 0.5 ? t::reeds : t::lake);
        });
    // Rivers are two cells wide and end in the sea or a lake.
    for (const Line& river : d.rivers)
        forLine(river, [&](int x, int y) {
            for (Pt p : {Pt{x, y}, Pt{x + 1, y}, Pt{x, y + 1}, Pt{x + 1, y + 1}})
                if (g.terrain(p.x, p.y) != t::sea) g.setTerrain(p.x, p.y, t::lake);
        });
}

// Beaches where the land meets the sea, and rocks off the shore.
void paintCoast(MapGrid& g, std::uint32_t seed) {
    Rng rng(seed + 51);
    MapGrid before = g;
    for (int y = 0; y < world::kMapHeight; ++y)
        for (int x = 0; x < world::kMapWidth; ++x) {
            const int c = before.terrain(x, y);
            bool bySea = false, byLand = false;
            forNeighbours(x, y, [&](int nx, int ny) {
                const int n = before.terrain(nx, ny);
                bySea |= n == t::sea;
                byLand |= !isWater(n);
            });
            if (bySea && isOpenGrass(c) && patch(x, y, 8, seed + 52) > 0.3) g.setTerrain(x, y, t::sand);
            if (c == t::sea && byLand && rng.chance(0.04)) g.setTerrain(x, y, t::seaRocks);
        }
}

void paintRoads(MapGrid& g, const std::vector<Line>& roads) {
    for (const Line& road : roads)
        forLine(road, [&](int x, int y) {
            const int c = g.terrain(x, y);
            if (isWater(c)) g.setTerrain(x, y, t::bridge);
            else if (c != t::street && c != t::bridge && c != t::caveMouth && !isRoad(c)) g.setTerrain(x, y, t::roadEW);
        });
}

// Each road cell takes the picture that joins it to its neighbours.
void shapeRoads(MapGrid& g) {
    MapGrid before = g;
    for (int y = 0; y < world::kMapHeight; ++y)
        for (int x = 0; x < world::kMapWidth; ++x) {
            if (!isRoad(before.terrain(x, y))) continue;
            const bool n = joinsRoad(before.terrain(x, y - 1)), s = joinsRoad(before.terrain(x, y + 1));
            const bool e = joinsRoad(before.terrain(x + 1, y)), w = joinsRoad(before.terrain(x - 1, y));
            const int ways = n + s + e + w;
            int code = t::roadEW;
            if (ways >= 3) code = t::crossroads;
            else if (n && e) code = t::roadNE;
            else if (n && w) code = t::roadNW;
            else if (s && e) code = t::roadSE;
            else if (s && w) code = t::roadSW;
            else if (n || s) code = t::roadNS;
            g.setTerrain(x, y, code);
        }
}

}  // namespace

MapGrid paintSurface(const SurfaceDesign& d) {
    MapGrid g(t::sea);
    for (const Blob& b : d.land)
        forBlob(b, d.seed + 1, 0.35, [&](int x, int y, double) { g.setTerrain(x, y, t::grass); });
    paintGrassVariety(g, d.seed);
    paintRegions(g, d);
    paintWater(g, d);
    paintCoast(g, d.seed);
    for (const Town& town : d.towns) paintTown(g, town, d.seed + static_cast<std::uint32_t>(town.area.x));
    scatter(g, [](int c) { return c == t::street; }, {t::stall, t::crates, t::barrels}, 0.1, d.seed + 61);
    for (const Mark& m : d.marks) paintMark(g, m, d.seed + static_cast<std::uint32_t>(m.x * 31 + m.y));
    paintRoads(g, d.roads);
    paintLinksAndChests(g, d.map, d.chests, t::grass);
    shapeRoads(g);
    return g;
}

}  // namespace assetgen::worldgen
