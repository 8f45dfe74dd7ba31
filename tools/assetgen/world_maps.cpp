#include "world_maps.h"

#include "world/map_format.h"

namespace assetgen {

Assets worldMaps() {
    Assets a;
    for (int map = 0; map < world::kMapCount; ++map) {
        const worldgen::MapGrid grid = map == 0   ? worldgen::paintSurface(worldgen::firstContinent())
                                       : map == 4 ? worldgen::paintSurface(worldgen::secondContinent())
                                                  : worldgen::paintDepth(worldgen::depth(map));
        const std::string text = world::mapText(grid.cells());
        a.files[world::mapFileName(map)] = Bytes(text.begin(), text.end());
    }
    return a;
}

}  // namespace assetgen
