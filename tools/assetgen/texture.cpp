#include "texture.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace assetgen {

Rgba toneFor(const Ramp& r, double v, int x, int y, double dither) {
    v += (bayer(x, y) - 0.5) * dither;
    const int t = std::clamp(static_cast<int>(std::floor(v * 4.0)), 0, 3);
    return r.tone[static_cast<std::size_t>(t)];
}

void noiseFill(Image& img, const Ramp& r, int cell, std::uint32_t seed, double contrast, double bias) {
    const int period = img.width() / cell;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double n = fractalNoise(x, y, cell, period, 3, seed);
            img.set(x, y, toneFor(r, 0.5 + (n - 0.5) * 2.2 * contrast + bias, x, y));
        }
}

void stoneFill(Image& img, const Ramp& r, int cell, double gap, std::uint32_t seed, Rgba mortar) {
    const int cols = img.width() / cell, rows = img.height() / cell;
    Rng rng(seed);
    std::vector<Pt> centre(static_cast<std::size_t>(cols * rows));
    std::vector<double> shade(centre.size());
    for (std::size_t i = 0; i < centre.size(); ++i) {
        centre[i] = {(static_cast<double>(i % cols) + rng.range(0.2, 0.8)) * cell,
                     (static_cast<double>(i / cols) + rng.range(0.2, 0.8)) * cell};
        shade[i] = rng.range(-0.18, 0.18);
    }
    const double w = img.width(), h = img.height();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            double d1 = 1e9, d2 = 1e9;
            std::size_t best = 0;
            Pt bestOff{};
            for (std::size_t i = 0; i < centre.size(); ++i)
                for (int oy = -1; oy <= 1; ++oy)
                    for (int ox = -1; ox <= 1; ++ox) {
                        const double dx = x + 0.5 - (centre[i].x + ox * w), dy = y + 0.5 - (centre[i].y + oy * h);
                        const double d = std::sqrt(dx * dx + dy * dy);
                        if (d < d1) {
                            d2 = d1;
                            d1 = d;
                            best = i;
                            bestOff = {dx, dy};
                        } else if (d < d2) {
                            d2 = d;
                        }
                    }
            if (d2 - d1 < gap) {
                img.set(x, y, mortar);
                continue;
            }
            // Lit from the upper left: the stone's upper-left side is lighter.
            const double edge = std::clamp((d2 - d1 - gap) / (cell * 0.35), 0.0, 1.0);
            const double lit = -(bestOff.x + bestOff.y) / (cell * 1.2);
            double v = 0.55 + shade[best] + lit * (1 - edge) * 0.9;
            if (edge < 0.2) v -= 0.15;
            img.set(x, y, toneFor(r, v, x, y, 0.12));
        }
}

void brickFill(Image& img, const Ramp& r, int bw, int bh, Rgba mortar, std::uint32_t seed) {
    Rng rng(seed);
    // Pictures that are not a whole number of bricks end in a part brick.
    const int rows = (img.height() + bh - 1) / bh, cols = (img.width() + bw - 1) / bw;
    // The grain repeats with the picture, so the bricks tile.
    const int cell = img.width() % 3 == 0 ? 3 : 4, period = img.width() / cell;
    std::vector<double> shade(static_cast<std::size_t>(rows * cols));
    for (double& s : shade) s = rng.range(-0.15, 0.15);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int row = y / bh;
            const int sx = (x + (row % 2) * bw / 2) % img.width();
            const int col = sx / bw;
            const int ix = sx % bw, iy = y % bh;
            if (ix == bw - 1 || iy == bh - 1) {
                img.set(x, y, mortar);
                continue;
            }
            double v = 0.55 + shade[static_cast<std::size_t>(row * cols + col)];
            if (iy == 0 || ix == 0) v += 0.3;
            if (iy == bh - 2 || ix == bw - 2) v -= 0.3;
            v += (valueNoise(x, y, cell, period, static_cast<std::uint32_t>(seed)) - 0.5) * 0.3;
            img.set(x, y, toneFor(r, v, x, y, 0.1));
        }
}

void scatter(Rng& rng, int count, int w, int h, const std::function<void(int, int)>& draw) {
    for (int i = 0; i < count; ++i) {
        const int x = rng.between(0, w - 1), y = rng.between(0, h - 1);
        draw(x, y);
    }
}

}  // namespace assetgen
