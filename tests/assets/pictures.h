#pragma once
// Loading pictures the way the game does: SDL_image, converted to ARGB, so a
// GIF's transparent colour becomes alpha 0.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

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

inline Pixels fromSurface(SDL_Surface* loaded, const std::string& what) {
    if (!loaded) throw std::runtime_error(what + ": " + IMG_GetError());
    SDL_Surface* s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!s) throw std::runtime_error(what + ": " + SDL_GetError());
    Pixels p;
    p.width = s->w;
    p.height = s->h;
    p.argb.resize(static_cast<std::size_t>(s->w) * s->h);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
        std::copy(row, row + s->w, p.argb.begin() + static_cast<std::ptrdiff_t>(y) * s->w);
    }
    SDL_FreeSurface(s);
    return p;
}

inline Pixels loadFile(const std::filesystem::path& path) { return fromSurface(IMG_Load(path.c_str()), path.string()); }

inline Pixels loadBytes(std::span<const unsigned char> bytes, const std::string& what) {
    return fromSurface(IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1), what);
}

}  // namespace assets_test
