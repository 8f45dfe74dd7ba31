#pragma once
// The view of the world around the hero, as the map screen and the map
// maker's run mode show it: 20 x 15 cells of 36 pixels, the hero in cell
// (10, 7), the edges wrapping round.
#include <span>

#include "platform/controls.h"
#include "world/map_format.h"

namespace world {

constexpr int kCellPx = 36, kViewCols = 20, kViewRows = 15, kHeroCol = 10, kHeroRow = 7;

// The two continents are seen whole; underground only 7 x 7 cells are lit.
constexpr bool isOutdoors(int map) { return map == 0 || map == 4; }

constexpr int wrapX(int x) { return (x % kMapWidth + kMapWidth) % kMapWidth; }
constexpr int wrapY(int y) { return (y % kMapHeight + kMapHeight) % kMapHeight; }

// A monster standing on a cell of the map, drawn with its battle picture.
struct MapFigure {
    int x, y, picture;
};

// Draws the view of `map` around (x, y) into `view`, chests with their mask,
// the figures on lit cells, then the hero facing `facing` (0 left, 1 up,
// 2 right, 3 down).
void drawMapView(platform::PictureBox& view, ConstMapSlice map, int x, int y, int facing,
                 bool outdoors, std::span<const MapFigure> figures = {});

}  // namespace world
