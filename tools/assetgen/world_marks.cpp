#include "world_marks.h"

#include <algorithm>

#include "rng.h"
#include "world/level_changes.h"
#include "world/terrain.h"
#include "world_tiles.h"

namespace assetgen::worldgen {
namespace t = worldtiles;

namespace {

Pt gateOf(const Town& town) {
    const Rect& a = town.area;
    switch (town.gate) {
        case Side::north: return {a.x + a.w / 2, a.y};
        case Side::south: return {a.x + a.w / 2, a.y + a.h - 1};
        case Side::east: return {a.x + a.w - 1, a.y + a.h / 2};
        case Side::west: return {a.x, a.y + a.h / 2};
    }
    return {a.x, a.y};
}

bool overlaps(const Rect& r, int x0, int y0, int x1, int y1) {
    return r.x <= x1 && r.x + r.w - 1 >= x0 && r.y <= y1 && r.y + r.h - 1 >= y0;
}

void fillRect(MapGrid& g, const Rect& r, int code) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) g.setTerrain(x, y, code);
}

}  // namespace

void scatter(MapGrid& g, const std::function<bool(int code)>& open, const std::vector<int>& pick,
             double chance, std::uint32_t seed) {
    Rng rng(seed);
    for (int y = 0; y < world::kMapHeight; ++y)
        for (int x = 0; x < world::kMapWidth; ++x) {
            if (!open(g.terrain(x, y))) continue;
            const bool roll = rng.chance(chance);
            const int code = pick[rng.next() % pick.size()];
            if (roll && ringIs(g, x, y, open)) g.setTerrain(x, y, code);
        }
}

void paintTown(MapGrid& g, const Town& town, std::uint32_t seed) {
    const Rect& a = town.area;
    // Fields round the walls.
    forBlob({a.x + a.w / 2, a.y + a.h / 2, a.w / 2 + 5, a.h / 2 + 4}, seed, 0.3, [&](int x, int y, double) {
        const int c = g.terrain(x, y);
        if (c == t::grass || c == t::flowers || c == t::tallGrass || c == t::shrubs) g.setTerrain(x, y, t::farmland);
    });
    fillRect(g, a, t::townWall);
    const int x0 = a.x + 1, y0 = a.y + 1, x1 = a.x + a.w - 2, y1 = a.y + a.h - 2;
    fillRect(g, {x0, y0, x1 - x0 + 1, y1 - y0 + 1}, t::street);
    const Pt gate = gateOf(town);
    g.setTerrain(gate.x, gate.y, t::street);

    // Rows of houses, a roof over a front, with a street below each row and
    // a lane between neighbours; none stands in the main street from the gate.
    const bool northSouth = town.gate == Side::north || town.gate == Side::south;
    for (int ly = y0 + 1; ly + 1 <= y1 - 1; ly += 3)
        for (int lx = x0 + 1; lx + 2 <= x1 - 1; lx += 5) {
            const Rect house{lx, ly, std::min(4, x1 - lx), 2};
            if (northSouth ? overlaps(house, gate.x, y0, gate.x, y1) : overlaps(house, x0, gate.y, x1, gate.y))
                continue;
            fillRect(g, {house.x, house.y, house.w, 1}, t::roof);
            fillRect(g, {house.x, house.y + 1, house.w, 1}, t::houseFront);
        }
    // The well or fountain on the open street nearest the middle.
    const int cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    Pt best{-1, -1};
    int bestDistance = 1 << 30;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const int distance = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (g.terrain(x, y) == t::street && distance < bestDistance &&
                ringIs(g, x, y, [](int c) { return c == t::street; })) {
                best = {x, y};
                bestDistance = distance;
            }
        }
    if (best.x >= 0) g.setTerrain(best.x, best.y, Rng(seed).chance(0.5) ? t::well : t::fountain);
}

void paintMark(MapGrid& g, const Mark& m, std::uint32_t seed) {
    const int x = m.x, y = m.y;
    switch (m.kind) {
        case Landmark::tower:
            g.setTerrain(x, y - 1, t::towerTop);
            g.setTerrain(x, y, t::towerBody);
            g.setTerrain(x, y + 1, t::towerDoor);
            g.setTerrain(x, y + 2, t::grass);
            break;
        case Landmark::shrine:
            fillRect(g, {x - 2, y - 1, 5, 4}, t::flagstone);
            g.setTerrain(x, y - 1, t::statue);
            g.setTerrain(x - 2, y - 1, t::pillar);
            g.setTerrain(x + 2, y - 1, t::pillar);
            break;
        case Landmark::graveyard:
            fillRect(g, {x - 4, y - 3, 9, 7}, t::fence);
            fillRect(g, {x - 3, y - 2, 7, 5}, t::dirt);
            for (int gy = y - 2; gy <= y + 2; gy += 2)
                for (int gx = x - 3; gx <= x + 3; gx += 2) g.setTerrain(gx, gy, t::graves);
            g.setTerrain(x, y + 3, t::dirt);
            break;
        case Landmark::castle:
            fillRect(g, {x - 6, y - 5, 13, 10}, t::castleWall);
            fillRect(g, {x - 6, y - 5, 13, 1}, t::battlements);
            fillRect(g, {x - 5, y - 4, 11, 8}, t::flagstone);
            g.setTerrain(x, y + 4, t::flagstone);
            g.setTerrain(x - 1, y + 5, t::brazier);
            g.setTerrain(x + 1, y + 5, t::brazier);
            for (int px : {x - 3, x + 3}) g.setTerrain(px, y - 1, t::pillar);
            g.setTerrain(x, y - 3, t::statue);
            break;
        case Landmark::oasis: {
            forBlob({x, y, 3, 2}, seed, 0.2, [&](int px, int py, double) { g.setTerrain(px, py, t::lake); });
            Rng rng(seed);
            for (int dy = -4; dy <= 4; ++dy)
                for (int dx = -5; dx <= 5; ++dx)
                    if (g.terrain(x + dx, y + dy) == t::sand && rng.chance(0.25) &&
                        ringIs(g, x + dx, y + dy, [](int c) { return c != t::palm; }))
                        g.setTerrain(x + dx, y + dy, t::palm);
            break;
        }
        case Landmark::altar:
            fillRect(g, {x - 3, y - 1, 7, 3}, t::flagstone);
            g.setTerrain(x, y, t::altar);
            g.setTerrain(x - 2, y, t::brazier);
            g.setTerrain(x + 2, y, t::brazier);
            break;
        case Landmark::cliff:
            fillRect(g, {x - 2, y - 2, 5, 2}, t::cliff);
            fillRect(g, {x - 1, y, 3, 1}, t::dirt);
            break;
        case Landmark::statues:
            g.setTerrain(x - 2, y, t::statue);
            g.setTerrain(x + 2, y, t::statue);
            break;
    }
}

void paintLinksAndChests(MapGrid& g, int map, const std::vector<Chest>& chests, int floor) {
    for (const world::LevelChange& c : world::kLevelChanges) {
        if (c.map == map) g.setTerrain(c.x, c.y, c.tile);
        if (c.toMap == map && world::isBlocking(g.terrain(c.toX, c.toY))) g.setTerrain(c.toX, c.toY, floor);
    }
    for (const Chest& c : chests) {
        if (world::isBlocking(g.terrain(c.x, c.y))) g.setTerrain(c.x, c.y, floor);
        g.setObject(c.x, c.y, c.code);
    }
}

}  // namespace assetgen::worldgen
