#include "landscape.h"

#include <cmath>
#include <numbers>

#include "noise.h"

namespace assetgen {

void skyGradient(Image& img, int y0, int y1, Rgba top, Rgba bottom, int steps) {
    // Continues past y1 in the bottom colour, so later layers never leave gaps.
    for (int y = y0; y < img.height(); ++y) {
        const double t = std::min(1.0, static_cast<double>(y - y0) / std::max(1, y1 - y0 - 1));
        for (int x = 0; x < img.width(); ++x) {
            const double band = std::floor(t * steps + bayer(x, y) - 0.5);
            img.set(x, y, mix(top, bottom, std::clamp(band / (steps - 1), 0.0, 1.0)));
        }
    }
}

void clouds(Image& img, int y0, int y1, double cover, Rgba light, Rgba shade, std::uint32_t seed) {
    auto density = [&](int x, int y) {
        const double fade = std::sin(std::numbers::pi * (y - y0) / std::max(1, y1 - y0));
        return fractalNoise(x * 0.45, y * 1.4, 40, 0, 4, seed) * fade;
    };
    const double threshold = 0.62 - cover * 0.3;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double d = density(x, y);
            if (d < threshold) continue;
            const double above = density(x, y - 3);
            Rgba c = above < d - 0.01 ? light : mix(light, shade, 0.5);
            if (d < threshold + 0.04 + bayer(x, y) * 0.03) c = mix(c, shade, 0.6);
            if (above > d + 0.02) c = shade;
            img.set(x, y, c);
        }
}

void ridge(Image& img, double base, double amp, double roughness, std::uint32_t colour, Rgba haze, double hazeAmount,
           double snowLine, std::uint32_t seed) {
    const Ramp r = ramp(colour);
    const int w = img.width();
    std::vector<double> top(static_cast<std::size_t>(w) + 1);
    for (int x = 0; x <= w; ++x) {
        const double n = fractalNoise(x, 0.5, 90 / roughness, 0, 5, seed);
        top[static_cast<std::size_t>(x)] = base - amp * (n - 0.3) * 1.6;
    }
    for (int x = 0; x < w; ++x) {
        const double h = top[static_cast<std::size_t>(x)];
        const double slope = top[static_cast<std::size_t>(x) + 1] - h;
        for (int y = static_cast<int>(std::ceil(h)); y < img.height(); ++y) {
            const double depth = (y - h) / std::max(8.0, amp * 1.2);
            double v = 0.62 - slope * 0.9 - depth * 0.25 + (fractalNoise(x, y, 12, 0, 2, seed + 3) - 0.5) * 0.4;
            Rgba c = r.tone[static_cast<std::size_t>(std::clamp(static_cast<int>(std::floor(v * 4 + bayer(x, y) * 0.6 - 0.3)), 0, 3))];
            if (y < snowLine && y - h < 6 + (snowLine - y) * 0.4) c = slope > 0.2 ? rgb(0xc8d4e8) : rgb(0xf4f8ff);
            img.set(x, y, mix(c, haze, hazeAmount));
        }
    }
}

void mountainRange(Image& img, double base, int count, double minH, double maxH, std::uint32_t colour, Rgba haze, double hazeAmount,
                   bool snow, std::uint32_t seed) {
    Rng rng("peaks", seed);
    const Ramp r = ramp(colour);
    const double step = static_cast<double>(img.width()) / count;
    for (int i = -1; i <= count; ++i) {
        const double h = rng.range(minH, maxH), x = (i + rng.range(0.2, 0.8)) * step, halfW = h * rng.range(1.1, 1.6);
        const Pt apex{x, base - h};
        const double lean = rng.range(-0.25, 0.25) * h;
        for (int y = static_cast<int>(apex.y); y < static_cast<int>(base) + 2; ++y) {
            const double t = (y - apex.y) / h;
            const double left = x - halfW * t, right = x + halfW * t;
            const double ridgeX = x + lean * t;
            for (int px = static_cast<int>(left); px <= static_cast<int>(right); ++px) {
                const bool lit = px < ridgeX;
                const double n = fractalNoise(px, y, 10, 0, 2, seed + i * 7);
                double v = lit ? 0.72 : 0.3;
                v += (n - 0.5) * 0.35 - t * 0.15;
                // Gullies: thin dark streaks running down the faces.
                if (std::fmod(std::fabs(px - ridgeX) + y * 0.6, 9.0) < 1.0 && t > 0.15) v -= 0.2;
                Rgba c = r.tone[static_cast<std::size_t>(std::clamp(static_cast<int>(v * 4 + bayer(px, y) * 0.5 - 0.25), 0, 3))];
                const double snowDepth = h * (0.28 + 0.08 * std::sin(px * 0.9 + i));
                if (snow && y - apex.y < snowDepth) c = lit ? rgb(0xf4f8ff) : rgb(0xb8c4dc);
                img.set(px, y, mix(c, haze, hazeAmount));
            }
        }
    }
}

void groundPlane(Image& img, int horizon, std::uint32_t colour, double contrast, std::uint32_t seed, double stretch) {
    const Ramp r = ramp(colour);
    const int h = img.height();
    for (int y = horizon; y < h; ++y) {
        const double d = (y - horizon + 1.0) / (h - horizon);
        for (int x = 0; x < img.width(); ++x) {
            // Perspective: texture coordinates spread out toward the viewer.
            const double n = fractalNoise((x - img.width() / 2.0) / (d + 0.05) * 0.35 * stretch, 35.0 / (d + 0.05), 14, 0, 3, seed);
            const double v = 0.35 + d * 0.35 + (n - 0.5) * contrast;
            img.set(x, y, r.tone[static_cast<std::size_t>(std::clamp(static_cast<int>(std::floor(v * 4 + bayer(x, y) * 0.5 - 0.25)), 0, 3))]);
        }
    }
}

void stars(Image& img, int y1, int count, std::uint32_t seed) {
    Rng rng("stars", seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.between(0, img.width() - 1), y = rng.between(0, y1);
        const Rgba c = rng.chance(0.2) ? rgb(0xfff4c0) : rgb(0xc8d0f0);
        img.set(x, y, c);
        if (rng.chance(0.08)) {
            img.set(x + 1, y, scale(c, 0.6));
            img.set(x - 1, y, scale(c, 0.6));
            img.set(x, y + 1, scale(c, 0.6));
            img.set(x, y - 1, scale(c, 0.6));
        }
    }
}

void lightShaft(Image& img, double xTop, double xBottom, double width, Rgba c) {
    for (int y = 0; y < img.height(); ++y) {
        const double t = static_cast<double>(y) / img.height();
        const double cx = xTop + (xBottom - xTop) * t, half = width * (0.6 + t * 0.6);
        for (int x = static_cast<int>(cx - half); x <= static_cast<int>(cx + half); ++x)
            if (bayer(x, y) < 0.5 - t * 0.3) img.blend(x, y, c);
    }
}

void pineTree(Image& img, double x, double base, double h, std::uint32_t leaf, bool snowy) {
    paint(img, rect(x - h * 0.05, base - h * 0.18, h * 0.1, h * 0.2), styled(0x5a3a22));
    for (int i = 0; i < 4; ++i) {
        const double top = base - h + i * h * 0.2, bottom = base - h * 0.12 - (3 - i) * h * 0.13;
        const double half = h * (0.14 + i * 0.07);
        paint(img, polygon({{x, top}, {x + half, bottom}, {x - half, bottom}}), styled(leaf));
        if (snowy)
            fill(img, polygon({{x, top}, {x + half * 0.5, top + (bottom - top) * 0.55}, {x - half * 0.75, top + (bottom - top) * 0.6}}),
                 rgb(0xf0f4ff));
    }
}

void leafyTree(Image& img, double x, double base, double h, std::uint32_t leaf) {
    paint(img, tube({x, base}, {x, base - h * 0.55}, h * 0.07, h * 0.05), styled(0x6a4a2a));
    const double r = h * 0.26;
    paint(img, circle(x + r * 0.5, base - h * 0.62, r * 0.9), styled(leaf));
    paint(img, circle(x - r * 0.6, base - h * 0.6, r * 0.85), styled(leaf));
    paint(img, circle(x, base - h * 0.76, r), styled(leaf));
}

void bush(Image& img, double x, double base, double r, std::uint32_t leaf) {
    paint(img, ellipse(x - r * 0.5, base - r * 0.55, r * 0.7, r * 0.6), styled(leaf));
    paint(img, ellipse(x + r * 0.4, base - r * 0.6, r * 0.75, r * 0.65), styled(leaf));
    paint(img, ellipse(x, base - r * 0.8, r * 0.7, r * 0.7), styled(leaf));
}

void boulder(Image& img, double x, double base, double r, std::uint32_t stone) {
    paint(img, ellipse(x, base - r * 0.6, r, r * 0.7), styled(stone));
}

}  // namespace assetgen
