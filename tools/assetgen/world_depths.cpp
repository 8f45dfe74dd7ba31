// Painting a level below ground: rock, rooms and the passages between them,
// water, lava and chasms, and the odd pillar or crystal.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "rng.h"
#include "world_marks.h"
#include "world_maps.h"
#include "world_tiles.h"

namespace assetgen::worldgen {
namespace t = worldtiles;

namespace {

struct Palette {
    int wall, floor, hallFloor;
    // Floors that vary the plain one in patches.
    int patchA, patchB;
    std::vector<int> decor;
};

Palette paletteOf(DepthStyle style) {
    switch (style) {
        case DepthStyle::cave: return {t::caveWall, t::caveFloor, t::flagstone, t::rubble, t::darkFloor, {t::stalagmites, t::crystals}};
        case DepthStyle::dungeon: return {t::brickWall, t::flagstone, t::flagstone, t::cracked, t::mossy, {t::pillar, t::brazier}};
        case DepthStyle::frozen: return {t::caveWall, t::iceFloor, t::iceFloor, t::snow, t::drifts, {t::iceBlock, t::crystals}};
        case DepthStyle::volcanic: return {t::caveWall, t::darkFloor, t::cracked, t::ash, t::bones, {t::stalagmites, t::rubble}};
    }
    return paletteOf(DepthStyle::cave);
}

// Natural passages wander: each leg is cut every few cells and the cuts
// pushed a little to one side.
Line wander(const Line& line, Rng& rng) {
    Line out{line.front()};
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Pt a = line[i - 1], b = line[i];
        const int pieces = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / 7;
        for (int k = 1; k < pieces; ++k) {
            Pt p{a.x + (b.x - a.x) * k / pieces, a.y + (b.y - a.y) * k / pieces};
            (a.y == b.y ? p.y : p.x) += rng.between(-2, 2);
            out.push_back(p);
        }
        out.push_back(b);
    }
    return out;
}

// Caverns get side pockets, so no two look alike.
std::vector<Blob> withPockets(const std::vector<Blob>& caverns, Rng& rng) {
    std::vector<Blob> out = caverns;
    for (const Blob& c : caverns)
        for (int k = 0; k < 2; ++k) {
            const double angle = rng.range(0, 2 * std::numbers::pi);
            out.push_back({c.x + static_cast<int>(0.8 * c.rx * std::cos(angle)),
                           c.y + static_cast<int>(0.8 * c.ry * std::sin(angle)), std::max(2, c.rx / 2),
                           std::max(2, c.ry / 2)});
        }
    return out;
}

}  // namespace

MapGrid paintDepth(const DepthDesign& d) {
    const Palette p = paletteOf(d.style);
    MapGrid g(p.wall);
    Rng rng(d.seed);
    const bool natural = d.style != DepthStyle::dungeon;
    for (const Blob& b : natural ? withPockets(d.caverns, rng) : d.caverns)
        forBlob(b, d.seed + 1, 0.3, [&](int x, int y, double) { g.setTerrain(x, y, p.floor); });
    for (const Rect& r : d.halls)
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) g.setTerrain(x, y, p.hallFloor);
    for (const Blob& b : d.pools)
        forBlob(b, d.seed + 2, 0.3, [&](int x, int y, double) { g.setTerrain(x, y, t::pool); });
    for (const Blob& b : d.lava)
        forBlob(b, d.seed + 3, 0.3, [&](int x, int y, double) { g.setTerrain(x, y, t::lava); });
    for (const Blob& b : d.chasms)
        forBlob(b, d.seed + 4, 0.3, [&](int x, int y, double) { g.setTerrain(x, y, t::chasm); });
    // Passages are two cells wide and cut through whatever lies in the way.
    for (const Line& tunnel : d.tunnels)
        forLine(natural ? wander(tunnel, rng) : tunnel, [&](int x, int y) {
            for (Pt c : {Pt{x, y}, Pt{x + 1, y}, Pt{x, y + 1}, Pt{x + 1, y + 1}})
                if (g.terrain(c.x, c.y) != p.hallFloor) g.setTerrain(c.x, c.y, p.floor);
        });
    for (int y = 0; y < world::kMapHeight; ++y)
        for (int x = 0; x < world::kMapWidth; ++x) {
            if (g.terrain(x, y) != p.floor) continue;
            if (patch(x, y, 7, d.seed + 5) > 0.68) g.setTerrain(x, y, p.patchA);
            else if (patch(x, y, 9, d.seed + 6) > 0.70) g.setTerrain(x, y, p.patchB);
        }
    const auto open = [&p](int c) { return c == p.floor || c == p.hallFloor || c == p.patchA || c == p.patchB; };
    scatter(g, open, p.decor, 0.035, d.seed + 7);
    for (const Mark& m : d.marks) paintMark(g, m, d.seed + static_cast<std::uint32_t>(m.x * 31 + m.y));
    paintLinksAndChests(g, d.map, d.chests, p.floor);
    return g;
}

}  // namespace assetgen::worldgen
