#pragma once
#include <optional>
#include <vector>

#include "people.h"

namespace assetgen {

inline constexpr int kFaceCount = 64, kFaceSize = 72;

// The person whose face stands at a story speaker's index, if any.
std::optional<Person> storyFace(int index);
std::vector<Image> makeFaces();

}  // namespace assetgen
