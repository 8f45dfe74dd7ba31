#pragma once
// Colours and the four-tone ramps every picture is shaded with.
#include <algorithm>
#include <array>
#include <cstdint>

namespace assetgen {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend constexpr bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba rgb(std::uint32_t hex, std::uint8_t alpha = 255) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
            static_cast<std::uint8_t>(hex), alpha};
}

inline constexpr Rgba kClear{0, 0, 0, 0};
inline constexpr Rgba kInk = rgb(0x1a1424);  // the outline colour of every figure

constexpr std::uint32_t hexOf(Rgba c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

// Linear blend of two colours, t = 0 gives a.
Rgba mix(Rgba a, Rgba b, double t);
// Multiplies the brightness, keeping the alpha.
Rgba scale(Rgba c, double k);

// Four tones from darkest to lightest. Shadows drift toward blue and
// highlights toward yellow, the way pixel artists pick ramps by hand.
struct Ramp {
    std::array<Rgba, 4> tone{};
    Rgba dark() const { return tone[0]; }
    Rgba base() const { return tone[2]; }
    Rgba light() const { return tone[3]; }
    Rgba outline() const;
};
Ramp ramp(Rgba base);
Ramp ramp(std::uint32_t hex);

}  // namespace assetgen
