#pragma once
// The text of one map file: 60,000 values, one per line, x 0..199 outermost,
// then y 0..149, then layer 0..1. Header-only, so the asset generator writes
// exactly the text the game reads back.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace world {

constexpr int kMapWidth = 200, kMapHeight = 150, kMapLayers = 2, kMapCount = 7;
constexpr std::size_t kMapValues = std::size_t(kMapWidth) * kMapHeight * kMapLayers;

// One map as the world array holds it: index x + 200 * y + 30000 * layer.
using MapSlice = std::span<std::uint8_t, kMapValues>;
using ConstMapSlice = std::span<const std::uint8_t, kMapValues>;

constexpr std::size_t sliceIndex(int x, int y, int layer) {
    return std::size_t(x) + std::size_t(kMapWidth) * std::size_t(y) +
           std::size_t(kMapWidth) * kMapHeight * std::size_t(layer);
}

// Where the n-th value of a file goes in a slice.
constexpr std::size_t sliceIndexOfValue(std::size_t n) {
    return sliceIndex(int(n / (kMapHeight * kMapLayers)), int(n / kMapLayers % kMapHeight),
                      int(n % kMapLayers));
}

// "3.map"
inline std::string mapFileName(int map) { return std::to_string(map) + ".map"; }

// The whole file: each value in write form on its own line, CRLF line ends.
inline std::string mapText(ConstMapSlice slice) {
    std::string out;
    out.reserve(kMapValues * 4);
    for (std::size_t n = 0; n < kMapValues; ++n) {
        out += std::to_string(slice[sliceIndexOfValue(n)]);
        out += "\r\n";
    }
    return out;
}

}  // namespace world
