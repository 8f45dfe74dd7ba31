#pragma once
// The default world: the seven map files, painted from the designs.
#include "assets.h"
#include "world_paint.h"

namespace assetgen {

namespace worldgen {

MapGrid paintSurface(const SurfaceDesign& design);
MapGrid paintDepth(const DepthDesign& design);

// The designs, one per map.
SurfaceDesign firstContinent();   // map 0
SurfaceDesign secondContinent();  // map 4
DepthDesign depth(int map);       // maps 1, 2, 3, 5 and 6

}  // namespace worldgen

// "0.map" .. "6.map".
Assets worldMaps();

}  // namespace assetgen
