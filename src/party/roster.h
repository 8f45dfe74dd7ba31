#pragma once
// Who of the companions has joined the hero by a point of the story.
#include <cstdint>
#include <vector>

namespace party {

// The companions the hero can choose at story stage `stage`, in the order
// they joined.
std::vector<std::uint8_t> joinedCompanions(int stage);

}  // namespace party
