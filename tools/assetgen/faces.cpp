// Portraits: the "img" faces of dialogue, battle and the scenes.
#include "faces.h"

#include <cmath>
#include <numbers>

#include "draw.h"
#include "noise.h"

namespace assetgen {
namespace {

// Portrait geometry in a 72-unit square.
struct Grid {
    double s;
    Pt operator()(double x, double y) const { return {x * s, y * s}; }
    double operator()(double d) const { return d * s; }
};

std::uint32_t greyed(const Person& p) {
    if (p.age < 2) return p.hair;
    return hexOf(mix(rgb(p.hair), rgb(0xc8c8d0), 0.6));
}

Region ell(const Grid& g, double x, double y, double rx, double ry) { return ellipse(g(x, 0).x, g(0, y).y, g(rx), g(ry)); }

void background(Image& img, const Person& p) {
    const Ramp r = ramp(p.backdrop);
    const int n = img.width();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double dx = (x + 0.5) / n - 0.5, dy = (y + 0.5) / n - 0.42;
            const double v = 0.75 - std::sqrt(dx * dx + dy * dy) * 1.3 + (bayer(x, y) - 0.5) * 0.2;
            img.set(x, y, r.tone[static_cast<std::size_t>(std::clamp(static_cast<int>(v * 3.2), 0, 2))]);
        }
}

void bust(Image& img, const Person& p, const Grid& g) {
    const Style main = styled(p.main), second = styled(p.second), trim = styled(p.trim);
    const bool cloak = p.has(kCloak) || p.has(kHood);
    if (cloak) paint(img, polygon({g(2, 72), g(10, 52), g(24, 46), g(48, 46), g(62, 52), g(70, 72)}), styled(p.cloak));
    paint(img, polygon({g(7, 73), g(13, 57), g(25, 51), g(47, 51), g(59, 57), g(65, 73)}), main);
    switch (p.outfit) {
        case Outfit::armour:
            paint(img, polygon({g(22, 73), g(24, 58), g(48, 58), g(50, 73)}), second);
            paint(img, ell(g, 15, 60, 10, 8), second);
            paint(img, ell(g, 57, 60, 10, 8), second);
            line(img, g(36, 60), g(36, 71), ramp(p.second).tone[3]);
            break;
        case Outfit::robe:
        case Outfit::dress:
            paint(img, polygon({g(27, 51), g(36, 64), g(45, 51), g(42, 51), g(36, 59), g(30, 51)}), trim);
            break;
        case Outfit::leather:
            paint(img, tube(g(20, 54), g(46, 73), g(2.4), g(2.4)), second);
            break;
        case Outfit::tunic:
            paint(img, polygon({g(29, 51), g(36, 58), g(43, 51)}), Style{ramp(p.skin), true, 1, -0.2, false});
            break;
    }
    if (p.has(kCloak)) {
        paint(img, polygon({g(8, 56), g(22, 48), g(24, 56), g(12, 73), g(4, 73)}), styled(p.cloak));
        paint(img, polygon({g(64, 56), g(50, 48), g(48, 56), g(60, 73), g(68, 73)}), styled(p.cloak));
        paint(img, circle(g(24, 0).x, g(0, 55).y, g(2.6)), styled(p.trim));
    }
}

void hairBack(Image& img, const Person& p, const Grid& g) {
    const Style hair = styled(greyed(p));
    if (p.hairStyle == Hair::long_) paint(img, polygon({g(17, 22), g(55, 22), g(60, 50), g(57, 64), g(15, 64), g(12, 50)}), hair);
    if (p.hairStyle == Hair::ponytail) {
        paint(img, tube(g(48, 14), g(57, 28), g(5.5), g(4.5)), hair);
        paint(img, tube(g(57, 28), g(55, 50), g(4.5), g(2)), hair);
    }
    if (p.hairStyle == Hair::curly)
        for (int i = 0; i < 8; ++i) paint(img, circle(g(i % 2 ? 54 : 18, 0).x, g(0, 26 + i / 2 * 6).y, g(5)), hair);
    if (p.has(kHood)) paint(img, ell(g, 36, 32, 23, 26), styled(p.cloak));
}

void head(Image& img, const Person& p, const Grid& g) {
    const Style skin = styled(p.skin);
    paint(img, rect(g(29, 0).x, g(0, 42).y, g(14), g(12)), Style{ramp(p.skin), true, 1, -0.3, false});
    paint(img, ell(g, 21, 33, 3, 4.6), skin);
    paint(img, ell(g, 51, 33, 3, 4.6), skin);
    const double rx = p.female ? 14.2 : 15.2;
    paint(img, ell(g, 36, 31, rx, 18), skin);
    if (p.has(kEarrings))
        for (double x : {20.5, 51.5}) paint(img, circle(g(x, 0).x, g(0, 39).y, g(1.6)), styled(0xf0d040));
}

void features(Image& img, const Person& p, const Grid& g) {
    const Ramp skin = ramp(p.skin);
    const Rgba brow = scale(rgb(greyed(p)), 0.7);
    for (int side : {-1, 1}) {
        const double ex = 36 + side * 6.8;
        paint(img, ell(g, ex, 32, 3.3, 2.1), Style{ramp(0xf4f4f8), false, 0, 0.3, true});
        paint(img, circle(g(ex - side * 0.3, 0).x, g(0, 32.2).y, g(1.8)), Style{ramp(p.eyes), false, 0, 0, true});
        img.set(static_cast<int>(g(ex, 0).x), static_cast<int>(g(0, 32.4).y), kInk);
        img.set(static_cast<int>(g(ex - 1, 0).x), static_cast<int>(g(0, 31.2).y), rgb(0xffffff));
        line(img, g(ex - 3.6, 30.4), g(ex + 3.6, 30.4), kInk, p.female ? 1.6 : 1.0);
        if (p.female) line(img, g(ex + side * 3.4, 30.6), g(ex + side * 4.8, 29.4), kInk);
        line(img, g(ex - 3.6, 27.2 - (side > 0 ? 0 : 0.4)), g(ex + 3.6, 26.8), brow, p.female ? 1.0 : 2.0);
        if (p.has(kGlowEyes)) glow(img, g(ex, 0).x, g(0, 32).y, g(5), rgb(p.eyes, 190));
        if (p.age == 2) line(img, g(ex - 2.5, 35.5), g(ex + 2.5, 35.5), skin.tone[1]);
        if (p.female && p.age == 0) glow(img, g(ex + side * 1.5, 0).x, g(0, 38).y, g(3.2), rgb(0xf07070, 90));
    }
    // Nose: a shadow down its right side.
    line(img, g(37, 33), g(38, 38), skin.tone[1]);
    line(img, g(35, 39), g(38, 39), skin.tone[0]);
    const Rgba lips = mix(skin.tone[1], rgb(0xc04050), p.female ? 0.55 : 0.2);
    line(img, g(32.5, 43), g(39.5, 43), lips, p.female ? 1.6 : 1.0);
    if (p.age == 2) {
        line(img, g(29, 40), g(31, 44), skin.tone[1]);
        line(img, g(43, 40), g(41, 44), skin.tone[1]);
    }
    if (p.has(kStubble))
        for (int y = static_cast<int>(g(0, 38).y); y < static_cast<int>(g(0, 49).y); ++y)
            for (int x = static_cast<int>(g(24, 0).x); x < static_cast<int>(g(48, 0).x); ++x)
                if (bayer(x, y) < 0.3 && img.get(x, y) != kInk) {
                    const Rgba c = img.get(x, y);
                    if (c == skin.tone[2] || c == skin.tone[1] || c == skin.tone[3]) img.set(x, y, skin.tone[0]);
                }
    if (p.has(kBeard)) {
        const Style beard = styled(greyed(p));
        paint(img, polygon({g(21.5, 33), g(26, 39), g(31, 40.5), g(36, 40), g(41, 40.5), g(46, 39), g(50.5, 33), g(50, 42), g(44, 50),
                            g(36, 53), g(28, 50), g(22, 42)}),
              beard);
        paint(img, subtract(ell(g, 36, 43.2, 4.6, 2.2), ell(g, 36, 45, 3.2, 1.8)), beard);
        line(img, g(33, 44.6), g(39, 44.6), lips);
    }
    if (p.has(kScar)) line(img, g(26, 26), g(33, 38), rgb(0xb04848), 1.2);
    if (p.has(kGlasses)) {
        for (int side : {-1, 1}) {
            const Region lens = subtract(ell(g, 36 + side * 6.8, 32, 4.8, 3.8), ell(g, 36 + side * 6.8, 32, 3.8, 2.8));
            fill(img, lens, rgb(0x2a2a34));
        }
        line(img, g(33, 31), g(39, 31), rgb(0x2a2a34));
    }
}

void hairFront(Image& img, const Person& p, const Grid& g) {
    const Style hair = styled(greyed(p));
    const Region cap = intersect(ell(g, 36, 27, 17, 16), rect(0, 0, img.width(), g(0, 25).y));
    auto fringe = [&] {
        std::vector<Pt> pts{g(20, 22)};
        for (int i = 0; i <= 8; ++i) pts.push_back(g(21 + i * 3.75, i % 2 ? 27.5 : 23.5));
        pts.push_back(g(52, 22));
        pts.push_back(g(36, 12));
        paint(img, polygon(pts), hair);
    };
    switch (p.hairStyle) {
        case Hair::bald:
            if (p.age == 2)
                for (double x : {21.5, 50.5}) paint(img, ell(g, x, 26, 2, 4.5), hair);
            glow(img, g(30, 0).x, g(0, 17).y, g(4), rgb(0xffffff, 120));
            break;
        case Hair::spiky: {
            std::vector<Pt> pts;
            for (int i = 0; i <= 12; ++i) {
                const double a = std::numbers::pi * (0.96 + i / 12.0 * 1.08);
                const double r = i % 2 ? 24.0 : 16.5;
                pts.push_back(g(36 + std::cos(a) * r, 27 + std::sin(a) * r * 0.85));
            }
            pts.push_back(g(50, 28));
            pts.push_back(g(22, 28));
            paint(img, polygon(pts), hair);
            break;
        }
        case Hair::curly:
            for (int i = 0; i <= 8; ++i) {
                const double a = std::numbers::pi * (1.0 + i / 8.0);
                paint(img, circle(g(36 + std::cos(a) * 15.5, 0).x, g(0, 26 + std::sin(a) * 13).y, g(5.4)), hair);
            }
            break;
        case Hair::bun:
            paint(img, circle(g(36, 0).x, g(0, 10).y, g(7)), hair);
            paint(img, cap, hair);
            break;
        case Hair::bob:
            for (int side : {-1, 1}) {
                auto m = [&](double x, double y) { return g(36 + side * (36 - x), y); };
                paint(img, polygon({m(18.5, 22), m(27, 22), m(27.5, 36), m(25.5, 45), m(19, 44.5), m(17.5, 34)}), hair);
            }
            paint(img, cap, hair);
            fringe();
            break;
        case Hair::long_:
            // Locks fall past the shoulders, narrowing in a slight wave.
            for (int side : {-1, 1}) {
                auto m = [&](double x, double y) { return g(36 + side * (36 - x), y); };
                paint(img, polygon({m(18, 20), m(26.5, 20), m(26, 33), m(23.5, 45), m(22.5, 56), m(18.5, 62), m(15.5, 52), m(16.5, 42),
                                    m(15.5, 31)}),
                      hair);
            }
            paint(img, cap, hair);
            fringe();
            break;
        case Hair::ponytail:
            paint(img, cap, hair);
            fringe();
            break;
        case Hair::cropped:
            paint(img, intersect(ell(g, 36, 28, 17.2, 16.5), rect(0, 0, img.width(), g(0, 26).y)), hair);
            break;
    }
}

void headwear(Image& img, const Person& p, const Grid& g) {
    if (p.has(kHeadband)) {
        paint(img, intersect(rect(g(0, 0).x, g(0, 19).y, img.width(), g(3.6)), ell(g, 36, 28, 16.5, 17)), styled(p.trim));
        paint(img, tube(g(51, 21), g(60, 30), g(1.8), g(1.0)), styled(p.trim));
        paint(img, tube(g(51, 21), g(58, 35), g(1.6), g(0.8)), styled(p.trim));
    }
    if (p.has(kBandana)) {
        paint(img, intersect(ell(g, 36, 26, 17.5, 15), rect(0, 0, img.width(), g(0, 23).y)), styled(p.trim));
        paint(img, polygon({g(50, 18), g(60, 22), g(56, 28)}), styled(p.trim));
    }
    if (p.has(kCirclet)) {
        curve(img, g(21, 22), g(36, 19), g(51, 22), rgb(0xe0c040), g(1.2));
        paint(img, circle(g(36, 0).x, g(0, 20).y, g(2.2)), styled(0xff50c0));
    }
    if (p.has(kHelmet)) {
        paint(img, intersect(ell(g, 36, 28, 18, 18), rect(0, 0, img.width(), g(0, 26).y)), styled(0xc0c4d0));
        paint(img, rect(g(34.5, 0).x, g(0, 24).y, g(3), g(12)), styled(0xc0c4d0));
    }
    if (p.has(kHood)) {
        const Region rim = subtract(ell(g, 36, 31, 21, 24), ell(g, 36, 34, 15.5, 19.5));
        paint(img, intersect(rim, rect(0, 0, img.width(), g(0, 50).y)), styled(p.cloak));
    }
}

}  // namespace

Image drawPortrait(const Person& p, int size) {
    Image img(size, size);
    background(img, p);
    const Grid g{size / 72.0};
    hairBack(img, p, g);
    bust(img, p, g);
    head(img, p, g);
    features(img, p, g);
    hairFront(img, p, g);
    headwear(img, p, g);
    for (int i = 0; i < size; ++i) {
        img.set(i, 0, kInk);
        img.set(i, size - 1, kInk);
        img.set(0, i, kInk);
        img.set(size - 1, i, kInk);
    }
    return img;
}

std::optional<Person> storyFace(int index) {
    switch (index) {
        case 12: return cast::ryu();
        case 13: return cast::monk();
        case 14: return cast::chi();
        case 18: return cast::sofi();
        case 21: return cast::sonia();
        case 27: return cast::tina();
        case 28: return cast::maurice();
        case 30: return cast::bree();
        case 42: return cast::father();
        case 47: return cast::myst();
        case 51: return cast::jack();
        case 54: return cast::hero();
        case 59: return cast::darwin();
        default: return std::nullopt;
    }
}

std::vector<Image> makeFaces() {
    std::vector<Image> faces;
    for (int i = 0; i < kFaceCount; ++i) {
        Rng rng("face", static_cast<std::uint64_t>(i));
        const Person p = storyFace(i).value_or(randomPerson(rng));
        faces.push_back(drawPortrait(p, kFaceSize));
    }
    return faces;
}

}  // namespace assetgen
