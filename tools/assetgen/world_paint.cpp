#include "world_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "noise.h"

namespace assetgen::worldgen {

MapGrid::MapGrid(int fill) {
    std::fill(cells_.begin(), cells_.begin() + world::kMapValues / 2, static_cast<std::uint8_t>(fill));
}

void forBlob(const Blob& b, std::uint32_t seed, double ragged,
             const std::function<void(int x, int y, double depth)>& paint) {
    const int reachX = static_cast<int>(b.rx * (1 + ragged)) + 1;
    const int reachY = static_cast<int>(b.ry * (1 + ragged)) + 1;
    // Small shapes get a finer edge, or they all come out as plain ellipses.
    const double grain = std::clamp(std::min(b.rx, b.ry) * 0.8, 3.0, 9.0);
    for (int dy = -reachY; dy <= reachY; ++dy)
        for (int dx = -reachX; dx <= reachX; ++dx) {
            const int x = MapGrid::wrapX(b.x + dx), y = MapGrid::wrapY(b.y + dy);
            const double d = std::sqrt(double(dx * dx) / (b.rx * b.rx) + double(dy * dy) / (b.ry * b.ry));
            const double edge = 1 + ragged * (2 * fractalNoise(x, y, grain, 0, 3, seed) - 1);
            if (d < edge) paint(x, y, 1 - d / edge);
        }
}

void forLine(const Line& line, const std::function<void(int x, int y)>& paint) {
    if (line.empty()) return;
    int x = line.front().x, y = line.front().y;
    paint(x, y);
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Pt to = line[i];
        const int nx = std::abs(to.x - x), ny = std::abs(to.y - y);
        const int sx = to.x > x ? 1 : -1, sy = to.y > y ? 1 : -1;
        for (int ix = 0, iy = 0; ix < nx || iy < ny;) {
            // Step along whichever axis lags behind the straight line.
            if (iy == ny || (ix < nx && (1 + 2 * ix) * ny < (1 + 2 * iy) * nx)) {
                x += sx;
                ++ix;
            } else {
                y += sy;
                ++iy;
            }
            paint(MapGrid::wrapX(x), MapGrid::wrapY(y));
        }
    }
}

double patch(int x, int y, double size, std::uint32_t seed) {
    return fractalNoise(x, y, size, 0, 3, seed);
}

void forNeighbours(int x, int y, const std::function<void(int x, int y)>& paint) {
    paint(MapGrid::wrapX(x - 1), y);
    paint(MapGrid::wrapX(x + 1), y);
    paint(x, MapGrid::wrapY(y - 1));
    paint(x, MapGrid::wrapY(y + 1));
}

bool ringIs(const MapGrid& g, int x, int y, const std::function<bool(int code)>& pred) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && !pred(g.terrain(x + dx, y + dy))) return false;
    return true;
}

}  // namespace assetgen::worldgen
