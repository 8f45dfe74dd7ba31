#pragma once
// The fifty monster pictures, graphics/<n>.gif, indexed by picture number.
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kMonsterPictures = 50;

// Pictures 1..50 at index 0..49, transparent where no monster is.
std::vector<Image> makeMonsters();
// One monster picture by number, for the intro and the sheets.
Image monsterPicture(int picture);

}  // namespace assetgen
