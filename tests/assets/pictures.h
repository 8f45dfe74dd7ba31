#pragma once
// Loading pictures the way the game does, through the platform layer: ARGB,
// a GIF's transparent colour as alpha 0.
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace assets_test {

inline std::filesystem::path appDir() { return TC2_APP_DIR; }

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;

    std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    int alpha(int x, int y) const { return static_cast<int>(at(x, y) >> 24); }
    int red(int x, int y) const { return static_cast<int>((at(x, y) >> 16) & 0xff); }
    int green(int x, int y) const { return static_cast<int>((at(x, y) >> 8) & 0xff); }
    int blue(int x, int y) const { return static_cast<int>(at(x, y) & 0xff); }
    int luma(int x, int y) const { return (red(x, y) * 3 + green(x, y) * 6 + blue(x, y)) / 10; }
    double opaqueShare() const {
        std::size_t n = 0;
        for (std::uint32_t p : argb) n += (p >> 24) >= 128;
        return static_cast<double>(n) / static_cast<double>(argb.size());
    }
};

inline Pixels fromPicture(const platform::Picture& pic) {
    Pixels p;
    p.width = pic.width();
    p.height = pic.height();
    p.argb.resize(static_cast<std::size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.argb[static_cast<std::size_t>(y) * p.width + x] = pic.pixel(x, y);
    return p;
}

inline Pixels loadFile(const std::filesystem::path& path) { return fromPicture(*platform::LoadPicture(path.string())); }

inline Pixels loadBytes(std::span<const unsigned char> bytes, const std::string& what) {
    return fromPicture(*platform::LoadPictureFromMemory(bytes.data(), bytes.size(), what));
}

}  // namespace assets_test
