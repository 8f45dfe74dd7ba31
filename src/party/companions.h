#pragma once
// The nine companions: their figures by the hero's level.
#include <cstdint>
#include <span>
#include <string_view>

namespace party {

// The ids, which are also the companions' face numbers.
constexpr std::uint8_t kRyu = 12, kChi = 14, kSofi = 18, kSonia = 21, kMaurice = 28, kBree = 30,
                       kMyst = 47, kJack = 51, kDarwin = 59;

// Name of companion `id`; empty for an id that is no companion.
std::string_view companionName(std::uint8_t id);
bool isCompanion(std::uint8_t id);
// The battle tactic a companion starts with (0 for an id that is none).
int defaultTactic(std::uint8_t id);
std::span<const std::uint8_t> companionIds();

// Brings the present ally's attributes, equipment and maximum HP up to the
// hero's level, keeping its tactic.
void growAlly();

}  // namespace party
