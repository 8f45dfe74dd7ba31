#pragma once
// Menu pictures: the menu background (built-in "Image1"), the window
// textures graphics/W<n>.jpg, and the two world-map pictures.
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kWindowTextures = 5;

Image makeMenuBackground();                 // 800 x 600
std::vector<Image> makeWindowTextures();    // W1..W5, 256 x 256, seamless
std::vector<Image> makeWorldMaps();         // map.bmp, map2.bmp, 600 x 450

}  // namespace assetgen
