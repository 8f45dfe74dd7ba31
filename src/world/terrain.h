#pragma once
// The walking rule: which terrain codes stop the hero. Codes 80 and above
// are pictures, not terrain, and never block.
#include <array>

namespace world {

inline constexpr int kTerrainCodes = 80;

namespace detail {

struct CodeRange {
    int first, last;
};

inline constexpr CodeRange kBlockingRanges[] = {
    {0, 3},   {5, 8},   {10, 12}, {14, 20}, {24, 27}, {29, 30}, {36, 38}, {40, 41}, {43, 45},
    {47, 47}, {49, 54}, {56, 59}, {61, 61}, {66, 66}, {77, 77},
};

constexpr std::array<bool, 256> blockingTable() {
    std::array<bool, 256> t{};
    for (const CodeRange& r : kBlockingRanges)
        for (int c = r.first; c <= r.last; ++c) t[static_cast<std::size_t>(c)] = true;
    return t;
}

inline constexpr std::array<bool, 256> kBlocking = blockingTable();

}  // namespace detail

constexpr bool isBlocking(int tileCode) {
    return tileCode >= 0 && tileCode < 256 && detail::kBlocking[static_cast<std::size_t>(tileCode)];
}

}  // namespace world
