#include "textures.h"

#include <cmath>
#include <numbers>

#include "draw.h"
#include "landscape.h"
#include "noise.h"
#include "texture.h"

namespace assetgen {
namespace {

constexpr int kWin = 256;

Image marble() {
    Image img(kWin, kWin);
    const Ramp r = ramp(0x3a5aa0);
    for (int y = 0; y < kWin; ++y)
        for (int x = 0; x < kWin; ++x) {
            const double n = fractalNoise(x, y, 64, 4, 4, 501);
            const double vein = std::fabs(std::sin((x + y) * 2 * std::numbers::pi / 128.0 + n * 9));
            img.set(x, y, toneFor(r, 0.35 + n * 0.4 + (vein < 0.08 ? 0.45 : 0), x, y, 0.15));
        }
    return img;
}

Image wood() {
    Image img(kWin, kWin);
    const Ramp r = ramp(0x8a5a30);
    for (int y = 0; y < kWin; ++y)
        for (int x = 0; x < kWin; ++x) {
            const int plank = y / 32;
            const double n = fractalNoise(x, y, 64, 4, 3, 502 + plank);
            const double grain = std::sin(y * 0.9 + n * 12 + plank);
            double v = 0.5 + grain * 0.15 + (n - 0.5) * 0.4 + (plank % 2) * 0.08;
            if (y % 32 == 0) v = 0.0;
            if (y % 32 == 1) v = 0.9;
            img.set(x, y, toneFor(r, v, x, y, 0.12));
        }
    return img;
}

Image parchment() {
    Image img(kWin, kWin);
    const Ramp r = ramp(0xe0cc98);
    for (int y = 0; y < kWin; ++y)
        for (int x = 0; x < kWin; ++x) {
            const double n = fractalNoise(x, y, 64, 4, 5, 503);
            img.set(x, y, toneFor(r, 0.55 + (n - 0.5) * 0.9, x, y, 0.1));
        }
    return img;
}

Image stone() {
    Image img(kWin, kWin);
    brickFill(img, ramp(0x7a7a84), 64, 32, rgb(0x3a3a44), 504);
    return img;
}

Image velvet() {
    Image img(kWin, kWin);
    const Ramp r = ramp(0x8a1a2a);
    for (int y = 0; y < kWin; ++y)
        for (int x = 0; x < kWin; ++x) {
            const double n = fractalNoise(x, y, 32, 8, 3, 505);
            const double diamond = std::fabs(std::fmod(x + y, 32.0) - 16) + std::fabs(std::fmod(x - y + 512, 32.0) - 16);
            img.set(x, y, toneFor(r, 0.4 + (n - 0.5) * 0.5 + (diamond < 3 ? 0.35 : 0), x, y, 0.1));
        }
    return img;
}

// Round towns and sharp peaks as map symbols.
void mapSymbols(Image& img, const std::vector<double>& land, int w, int h, std::uint32_t seed) {
    Rng rng("symbols", seed);
    auto at = [&](int x, int y) { return land[static_cast<std::size_t>(y) * w + x]; };
    for (int i = 0; i < 900; ++i) {
        const int x = rng.between(6, w - 7), y = rng.between(6, h - 7);
        const double v = at(x, y);
        if (v > 0.74) {
            paint(img, polygon({{x - 4.0, y + 3.0}, {x + 0.0, y - 4.0}, {x + 4.0, y + 3.0}}), styled(0x8a6a4a));
            fill(img, polygon({{x - 1.2, y - 2.0}, {x + 0.0, y - 4.0}, {x + 1.2, y - 2.0}}), rgb(0xf4f0e8));
        } else if (v > 0.6 && v < 0.66 && i % 2) {
            paint(img, circle(x, y - 1, 2.2), styled(0x3a7a3a));
        }
    }
    for (int i = 0; i < 6; ++i)
        for (int tries = 0; tries < 200; ++tries) {
            const int x = rng.between(10, w - 11), y = rng.between(10, h - 11);
            if (at(x, y) < 0.56 || at(x, y) > 0.64) continue;
            paint(img, rect(x - 2.5, y - 1, 5, 4), styled(0xe8dcc0));
            paint(img, polygon({{x - 3.5, y - 1.0}, {x + 0.0, y - 4.0}, {x + 3.5, y - 1.0}}), styled(0xb4462e));
            break;
        }
}

Image worldMap(std::uint32_t seed, double cx, double cy) {
    constexpr int w = 300, h = 225;
    Image img(w, h);
    std::vector<double> land(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w * cx) / (w * 0.42), dy = (y - h * cy) / (h * 0.42);
            const double falloff = 1.0 - std::sqrt(dx * dx + dy * dy);
            land[static_cast<std::size_t>(y) * w + x] = fractalNoise(x, y, 60, 0, 5, seed) * 0.8 + falloff * 0.55;
        }
    const Ramp sea = ramp(0x5a8ab8), ground = ramp(0xa8b870), paper = ramp(0xe8d8a8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double v = land[static_cast<std::size_t>(y) * w + x];
            Rgba c;
            if (v < 0.5) {
                c = toneFor(sea, 0.55 + (v - 0.5) * 2.2, x, y, 0.12);
                if (static_cast<int>(x * 0.5 + y) % 14 == 0 && static_cast<int>(x / 7 + y / 5) % 3 == 0) c = sea.tone[3];
            } else if (v < 0.53) {
                c = rgb(0xe8d090);
            } else {
                c = toneFor(ground, 0.7 - (v - 0.53) * 1.4, x, y, 0.12);
            }
            // Aged paper shows through at the edges.
            const double edge = std::min({x, y, w - 1 - x, h - 1 - y}) / 14.0;
            if (edge < 1.0) c = mix(toneFor(paper, 0.5, x, y), c, edge * edge);
            img.set(x, y, c);
        }
    // Coastline.
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const bool in = land[static_cast<std::size_t>(y) * w + x] >= 0.5;
            const bool right = land[static_cast<std::size_t>(y) * w + x + 1] >= 0.5, below = land[static_cast<std::size_t>(y + 1) * w + x] >= 0.5;
            if (in != right || in != below) img.set(x, y, rgb(0x4a3a2a));
        }
    mapSymbols(img, land, w, h, seed);
    // Compass rose in a corner of the sea.
    const Pt c{w - 30.0, h - 30.0};
    for (int i = 0; i < 4; ++i) {
        const double a = i * std::numbers::pi / 2;
        paint(img, polygon({{c.x + std::cos(a) * 14, c.y + std::sin(a) * 14}, {c.x + std::cos(a + 0.6) * 4, c.y + std::sin(a + 0.6) * 4},
                            {c.x + std::cos(a - 0.6) * 4, c.y + std::sin(a - 0.6) * 4}}),
              styled(i == 3 ? 0xc83030 : 0xe8dcc0));
    }
    for (int i = 0; i < w; ++i) {
        img.set(i, 0, rgb(0x4a3a2a));
        img.set(i, h - 1, rgb(0x4a3a2a));
    }
    for (int i = 0; i < h; ++i) {
        img.set(0, i, rgb(0x4a3a2a));
        img.set(w - 1, i, rgb(0x4a3a2a));
    }
    return enlarged(img, 2);
}

}  // namespace

// Light enough that the menus' black and dark-red entries read anywhere on
// it, and large enough that the largest editor window shows no edge.
Image makeMenuBackground() {
    constexpr int w = 400, h = 300;
    Image img(w, h);
    const Rgba paper = rgb(0xe8dcbc), shade = rgb(0xcbb98f), line = rgb(0xb09a6a);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double n = fractalNoise(x, y, 50, 8, 4, 71);
            Rgba c = mix(paper, shade, n * 0.7);
            // A faint lattice of thin lines, with a dot at every crossing.
            const int a = (x + y) % 40, b = (x - y + 400) % 40;
            if (a == 0 || b == 0) c = mix(c, line, 0.3);
            if (a == 0 && b == 0) c = mix(c, line, 0.6);
            img.set(x, y, c);
        }
    return enlarged(img, 2);
}

std::vector<Image> makeWindowTextures() { return {marble(), wood(), parchment(), stone(), velvet()}; }

std::vector<Image> makeWorldMaps() { return {worldMap(601, 0.48, 0.5), worldMap(602, 0.52, 0.46)}; }

}  // namespace assetgen
