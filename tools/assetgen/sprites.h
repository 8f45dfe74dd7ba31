#pragma once
// Character sprites of the scenes (graphics/char<n>.gif) and the intro's
// four figures.
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kCharacterSprites = 13;

// char0..char12: 82 x 130, twice the 41 x 65 the scenes show them at.
std::vector<Image> makeCharacterSprites();
// The intro's armies: a knight (36 x 90), a priest (34 x 50), a winged
// fiend (52 x 46) and an imp (42 x 35), at the sizes the slideshow shows.
std::vector<Image> makeIntroFigures();

}  // namespace assetgen
