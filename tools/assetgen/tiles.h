#pragma once
// The built-in "Tiles" pictures: 80 terrain squares, the chest and its mask,
// and the hero's walking frames with their masks.
#include <cstdint>
#include <vector>

#include "image.h"
#include "tile_catalogue.h"

namespace assetgen {

inline constexpr int kTileSize = 36;
inline constexpr int kChestMask = 80, kChest = 81, kFirstHeroFrame = 82, kTileCount = 106;

void paintGround(Image& tile, Ground g, std::uint32_t seed);
void paintFeature(Image& tile, Feature f, std::uint32_t seed);
std::vector<Image> makeTiles();

}  // namespace assetgen
