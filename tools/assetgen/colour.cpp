#include "colour.h"

#include <cmath>

namespace assetgen {
namespace {

struct Hsv {
    double h, s, v;
};

Hsv toHsv(Rgba c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
    double h = 0;
    if (d > 1e-9) {
        if (mx == r) h = std::fmod((g - b) / d + 6.0, 6.0);
        else if (mx == g) h = (b - r) / d + 2.0;
        else h = (r - g) / d + 4.0;
        h *= 60.0;
    }
    return {h, mx > 0 ? d / mx : 0.0, mx};
}

Rgba fromHsv(Hsv c, std::uint8_t alpha) {
    const double h = std::fmod(c.h + 360.0, 360.0) / 60.0;
    const double s = std::clamp(c.s, 0.0, 1.0), v = std::clamp(c.v, 0.0, 1.0);
    const int i = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (i) {
        case 1: r = q; g = v; b = p; break;
        case 2: r = p; g = v; b = t; break;
        case 3: r = p; g = q; b = v; break;
        case 4: r = t; g = p; b = v; break;
        case 5: r = v; g = p; b = q; break;
        default: break;
    }
    auto to8 = [](double x) { return static_cast<std::uint8_t>(std::lround(x * 255.0)); };
    return {to8(r), to8(g), to8(b), alpha};
}

// Moves a hue a little toward a target hue along the shorter way round.
double towardHue(double h, double target, double amount) {
    double d = std::fmod(target - h + 540.0, 360.0) - 180.0;
    return h + std::clamp(d, -amount, amount);
}

}  // namespace

Rgba mix(Rgba a, Rgba b, double t) {
    auto m = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Rgba scale(Rgba c, double k) {
    auto s = [k](std::uint8_t x) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(x * k), 0L, 255L));
    };
    return {s(c.r), s(c.g), s(c.b), c.a};
}

Rgba Ramp::outline() const {
    Hsv h = toHsv(tone[0]);
    h.v *= 0.45;
    h.s = std::min(1.0, h.s + 0.1);
    return mix(fromHsv(h, 255), kInk, 0.5);
}

Ramp ramp(Rgba base) {
    const Hsv h = toHsv(base);
    const bool grey = h.s < 0.08;
    auto shade = [&](double dv, double ds, double hueShift, double target) {
        Hsv t = h;
        t.v = std::clamp(h.v * dv, 0.0, 1.0);
        t.s = grey ? h.s : std::clamp(h.s + ds, 0.0, 1.0);
        if (!grey) t.h = towardHue(h.h, target, hueShift);
        return fromHsv(t, base.a);
    };
    Ramp r;
    r.tone[0] = shade(0.48, 0.12, 18, 250);
    r.tone[1] = shade(0.72, 0.06, 9, 250);
    r.tone[2] = base;
    // Very bright bases keep their highlight visible by adding value and
    // draining saturation instead.
    Rgba hi = shade(1.22, -0.14, 10, 55);
    if (h.v > 0.85) hi = mix(hi, rgb(0xfffbe8, base.a), 0.35);
    r.tone[3] = hi;
    return r;
}

Ramp ramp(std::uint32_t hex) { return ramp(rgb(hex)); }

}  // namespace assetgen
