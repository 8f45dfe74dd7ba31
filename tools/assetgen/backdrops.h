#pragma once
// Battle and scene backdrops, graphics/<n>.bmp for n = 0..12.
#include <vector>

#include "image.h"

namespace assetgen {

// Painted at half size and doubled: 760 x 420, between the battle screen's
// 721 x 378 and the scenes' 769 x 465, so both stretch it only a little.
inline constexpr int kBackdropWidth = 760, kBackdropHeight = 420;

std::vector<Image> makeBackdrops();

}  // namespace assetgen
