#pragma once
// The names the seven maps are shown by, wherever a map is named.
#include <array>
#include <string_view>

namespace world {

inline constexpr std::array<std::string_view, 7> kMapNames = {
    "Overworld 1",        "Underworld Level 1", "Underworld Level 2", "Underworld Level 3",
    "Overworld 2",        "Underworld Level 4", "Underworld Level 5",
};

constexpr std::string_view mapName(int map) {
    return map >= 0 && map < int(kMapNames.size()) ? kMapNames[std::size_t(map)] : std::string_view();
}

}  // namespace world
