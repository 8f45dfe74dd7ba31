#include "effects.h"

#include <cmath>
#include <numbers>

#include "draw.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr int kS = 24;  // drawing size; shown doubled
constexpr double kPi = std::numbers::pi;

void slash(Image& img, int f) {
    // A bright arc sweeping down-left, widening, then breaking into streaks.
    const double sweep = 0.6 + f * 0.45;
    for (int i = 0; i < 3; ++i) {
        const double r = 9 + i * 2.5;
        const double a0 = -kPi * 0.15, a1 = a0 + sweep * (1 - i * 0.15);
        Pt prev{12 + std::cos(a0) * r - 4, 12 + std::sin(a0) * r - 4};
        for (int k = 1; k <= 12; ++k) {
            const double a = a0 + (a1 - a0) * k / 12.0;
            const Pt p{12 + std::cos(a) * r - 4, 12 + std::sin(a) * r - 4};
            line(img, prev, p, i == 1 ? rgb(0xffffff) : rgb(0xb8e0ff), f == 2 ? 1.0 : 1.6);
            prev = p;
        }
    }
    if (f == 2)
        for (int k = 0; k < 5; ++k) line(img, {4.0 + k * 3, 20.0 - k}, {2.0 + k * 3, 23.0 - k}, rgb(0xe0f0ff));
}

void spark(Image& img, int f) {
    const double r = 4 + f * 4;
    glow(img, 12, 12, r + 3, rgb(0xfff080, 200));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + f * 0.3, len = (i % 2 ? 0.55 : 1.0) * r;
        line(img, {12 + std::cos(a) * 2, 12 + std::sin(a) * 2}, {12 + std::cos(a) * len, 12 + std::sin(a) * len}, rgb(0xffffc0),
             f == 0 ? 1.6 : 1.0);
    }
    paint(img, circle(12, 12, 2.2 - f * 0.5), Style{ramp(0xffffff), false, 0, 0, true});
}

void fire(Image& img, int f) {
    Rng rng("fire", static_cast<std::uint64_t>(f));
    const double h = 10 + f * 4;
    glow(img, 12, 16, 12, rgb(0xff6020, 160));
    for (int i = 0; i < 4; ++i) {
        const double x = 6 + i * 4 + rng.range(-1, 1), tall = h * rng.range(0.6, 1.0);
        paint(img, polygon({{x - 3.5, 22}, {x - 2, 22 - tall * 0.6}, {x + rng.range(-1, 1), 22 - tall}, {x + 2.5, 22 - tall * 0.5}, {x + 3.5, 22}}),
              Style{ramp(0xf06020), f < 2, 1, 0, false});
        paint(img, polygon({{x - 1.6, 22}, {x, 22 - tall * 0.55}, {x + 1.6, 22}}), Style{ramp(0xffd040), false, 0, 0.1, false});
    }
}

void bolt(Image& img, int f) {
    Rng rng("bolt", static_cast<std::uint64_t>(f));
    glow(img, 12, 12, 12, rgb(0xa0c0ff, f == 1 ? 220 : 140));
    for (int b = 0; b < (f == 1 ? 2 : 1); ++b) {
        Pt p{12 + rng.range(-4, 4), 0};
        while (p.y < 22) {
            const Pt q{p.x + rng.range(-4, 4), p.y + rng.range(3, 6)};
            line(img, p, q, rgb(0xffffff), f == 2 ? 1.0 : 2.0);
            line(img, {p.x + 1, p.y}, {q.x + 1, q.y}, rgb(0x8ab0ff));
            p = q;
        }
    }
}

void eruption(Image& img, int f) {
    Rng rng("rocks", static_cast<std::uint64_t>(f));
    glow(img, 12, 20, 10 + f * 2, rgb(0xff5020, 170));
    paint(img, polygon({{4.0 - f, 23}, {9, 23 - 6.0 - f * 4}, {12, 23 - 4.0 - f * 5}, {15, 23 - 7.0 - f * 4}, {20.0 + f, 23}}), styled(0xf07020));
    for (int i = 0; i < 3 + f * 2; ++i)
        paint(img, circle(12 + rng.range(-9, 9), 20 - rng.range(2, 8 + f * 5), rng.range(1.2, 2.4)), styled(i % 2 ? 0x6a4a3a : 0xffa030));
}

void holy(Image& img, int f) {
    glow(img, 12, 12, 6 + f * 4, rgb(0xfff4c0, 230));
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6 + f * 0.26, len = 5 + f * 3.5 + (i % 2) * 2;
        line(img, {12 + std::cos(a) * 3, 12 + std::sin(a) * 3}, {12 + std::cos(a) * len, 12 + std::sin(a) * len}, rgb(0xfff0a0));
    }
    paint(img, rect(11, 5, 2.4, 14 - f * 2.0), Style{ramp(0xffffff), false, 0, 0, true});
    paint(img, rect(7.5, 8.5, 9, 2.4), Style{ramp(0xffffff), false, 0, 0, true});
}

using Kind = void (*)(Image&, int);
constexpr Kind kKinds[kHitKinds] = {slash, spark, fire, bolt, eruption, holy};

}  // namespace

std::vector<Image> makeHitFrames() {
    std::vector<Image> out;
    for (Kind k : kKinds)
        for (int f = 0; f < kHitFrames; ++f) {
            Image img(kS, kS);
            k(img, f);
            hardenAlpha(img);
            out.push_back(enlarged(img, 2));
        }
    return out;
}

}  // namespace assetgen
