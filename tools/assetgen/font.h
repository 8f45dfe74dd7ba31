#pragma once
// A 3 x 5 pixel font for the labels of the contact sheets.
#include <string_view>

#include "image.h"

namespace assetgen {

int textWidth(std::string_view text, int scale);
void drawText(Image& img, int x, int y, std::string_view text, Rgba c, int scale);

}  // namespace assetgen
