#pragma once
// The battle's hit animations: six kinds of three frames, frame f of kind k
// at index 3k + f (0 slash, 1 spark, 2 fire, 3 lightning, 4 eruption, 5 holy).
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kHitKinds = 6, kHitFrames = 3;

std::vector<Image> makeHitFrames();  // 48 x 48 each

}  // namespace assetgen
