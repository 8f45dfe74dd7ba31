#pragma once
#include <cstdint>

namespace platform {

// Colours are written as the runtime wrote them: &H00BBGGRR.
using VbColor = std::uint32_t;

constexpr std::uint8_t red(VbColor c) { return c & 0xFF; }
constexpr std::uint8_t green(VbColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t blue(VbColor c) { return (c >> 16) & 0xFF; }
constexpr VbColor rgb(int r, int g, int b) {
    return VbColor(r & 0xFF) | VbColor(g & 0xFF) << 8 | VbColor(b & 0xFF) << 16;
}
// As a 32-bit ARGB pixel, opaque.
constexpr std::uint32_t toArgb(VbColor c) {
    return 0xFF000000u | std::uint32_t(red(c)) << 16 | std::uint32_t(green(c)) << 8 | blue(c);
}

constexpr VbColor vbBlack = 0x000000;
constexpr VbColor vbWhite = 0xFFFFFF;
constexpr VbColor vbButtonFace = 0xC8D0D4;

}  // namespace platform
