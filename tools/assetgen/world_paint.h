#pragma once
// One map being painted, and the shapes it is painted with.
#include <array>
#include <cstdint>
#include <functional>

#include "world/map_format.h"
#include "world_design.h"

namespace assetgen::worldgen {

class MapGrid {
public:
    explicit MapGrid(int fill);

    int terrain(int x, int y) const { return cells_[index(x, y, 0)]; }
    int object(int x, int y) const { return cells_[index(x, y, 1)]; }
    void setTerrain(int x, int y, int code) { cells_[index(x, y, 0)] = static_cast<std::uint8_t>(code); }
    void setObject(int x, int y, int code) { cells_[index(x, y, 1)] = static_cast<std::uint8_t>(code); }
    const std::array<std::uint8_t, world::kMapValues>& cells() const { return cells_; }

    static int wrapX(int x) { return (x % world::kMapWidth + world::kMapWidth) % world::kMapWidth; }
    static int wrapY(int y) { return (y % world::kMapHeight + world::kMapHeight) % world::kMapHeight; }

private:
    static std::size_t index(int x, int y, int layer) { return world::sliceIndex(wrapX(x), wrapY(y), layer); }
    std::array<std::uint8_t, world::kMapValues> cells_{};
};

// Calls `paint(x, y, depth)` for every cell inside the blob; depth runs from
// 0 at the ragged edge to 1 at the centre. Coordinates wrap at the map edges.
void forBlob(const Blob& b, std::uint32_t seed, double ragged,
             const std::function<void(int x, int y, double depth)>& paint);

// Calls `paint(x, y)` for every cell of the line, in order, stepping
// north, south, east or west only, so consecutive cells always touch.
void forLine(const Line& line, const std::function<void(int x, int y)>& paint);

// Smooth noise in [0, 1] over the map, for patches of one kind of ground.
double patch(int x, int y, double size, std::uint32_t seed);

// Calls `paint(x, y)` for each of the four neighbours.
void forNeighbours(int x, int y, const std::function<void(int x, int y)>& paint);

// Whether every one of the eight cells round (x, y) satisfies `pred`.
bool ringIs(const MapGrid& g, int x, int y, const std::function<bool(int code)>& pred);

}  // namespace assetgen::worldgen
