// What stands on the terrain tiles: trees, rocks, buildings, roads.
#include <cmath>
#include <numbers>

#include "noise.h"
#include "texture.h"
#include "tiles.h"

namespace assetgen {
namespace {

constexpr int kT = kTileSize;

void pine(Image& t, double x, double base, double h, std::uint32_t leaf, bool snowy) {
    paint(t, rect(x - 1.5, base - 4, 3, 5), styled(0x6a4424));
    const Style s = styled(leaf);
    for (int i = 0; i < 3; ++i) {
        const double top = base - h + i * h * 0.24, bottom = base - 3 - (2 - i) * h * 0.16;
        const double half = h * (0.22 + i * 0.09);
        paint(t, polygon({{x, top}, {x + half, bottom}, {x - half, bottom}}), s);
        if (snowy) fill(t, polygon({{x, top}, {x + half * 0.55, top + (bottom - top) * 0.5}, {x - half * 0.7, top + (bottom - top) * 0.55}}), rgb(0xf4f8ff));
    }
}

void roundTree(Image& t, double x, double base, double r, std::uint32_t leaf) {
    paint(t, tube({x, base}, {x, base - r}, 2, 1.5), styled(0x6e4a28));
    paint(t, circle(x, base - r * 1.5, r), styled(leaf));
    paint(t, circle(x - r * 0.45, base - r * 1.3, r * 0.6), styled(leaf));
}

void rock(Image& t, double x, double y, double rx, double ry, std::uint32_t c) {
    paint(t, ellipse(x, y, rx, ry), styled(c));
}

// A road band of width 14 joining the middles of the named edges.
void road(Image& t, bool north, bool south, bool east, bool west) {
    const Ramp r = ramp(0xb89462);
    const double half = 7, mid = kT / 2.0;
    auto onRoad = [&](double x, double y, double& edge) {
        double d = 1e9;
        const bool straightNS = north && south, straightEW = east && west;
        if (straightNS || (north && !east && !west) || (south && !east && !west)) d = std::min(d, std::fabs(x - mid));
        if (straightEW || (east && !north && !south) || (west && !north && !south)) d = std::min(d, std::fabs(y - mid));
        if (straightNS && straightEW) d = std::min(std::fabs(x - mid), std::fabs(y - mid));
        // Bends are quarter rings round the corner between their two edges.
        const int bends = (north ? 1 : 0) + (south ? 1 : 0) + (east ? 1 : 0) + (west ? 1 : 0);
        if (bends == 2 && !straightNS && !straightEW) {
            const double cx = east ? kT : 0, cy = south ? kT : 0;
            d = std::fabs(std::hypot(x - cx, y - cy) - mid);
        }
        edge = d;
        return d <= half;
    };
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            double d;
            if (!onRoad(x + 0.5, y + 0.5, d)) continue;
            const double n = fractalNoise(x, y, 6, 6, 2, 77);
            double v = 0.55 + (n - 0.5) * 0.6;
            if (d > half - 1.5) v -= 0.35;
            t.set(x, y, toneFor(r, v, x, y, 0.15));
        }
}

void towerBody(Image& t, double top, double bottom) {
    const Ramp r = ramp(0xa8a4a0);
    for (int y = static_cast<int>(top); y < static_cast<int>(bottom); ++y)
        for (int x = 9; x < 27; ++x) {
            const int course = y / 6;
            const int sx = (x + (course % 2) * 3) % 6;
            double v = 0.95 - (x - 9) / 18.0 * 0.8;  // round: lit on the left
            if (sx == 0 || y % 6 == 5) v -= 0.35;
            Rgba c = toneFor(r, v, x, y, 0.1);
            if (x == 9 || x == 26) c = r.outline();
            t.set(x, y, c);
        }
}

}  // namespace

void paintFeature(Image& t, Feature f, std::uint32_t seed) {
    Rng rng("feature", seed);
    switch (f) {
        case Feature::none:
            break;
        case Feature::waves:
            scatter(rng, 4, kT, kT, [&](int x, int y) {
                for (int i = 0; i < 5; ++i) t.setWrapped(x + i, y - (i == 2 ? 1 : 0), rgb(0xcfe6ff));
            });
            break;
        case Feature::reeds:
            for (int i = 0; i < 9; ++i) {
                const double x = 4 + i * 3.4 + rng.range(-1, 1), base = rng.range(24, 33), h = rng.range(10, 18);
                line(t, {x, base}, {x + rng.range(-2, 2), base - h}, rgb(0x4f7a2a));
                if (i % 2 == 0) paint(t, ellipse(x, base - h, 1.2, 2.6), styled(0x7a4a24, false));
            }
            break;
        case Feature::waterRocks:
            rock(t, 13, 20, 8, 6, 0x7c7c84);
            rock(t, 25, 26, 5, 4, 0x6c6c78);
            for (int x = 4; x < 32; x += 3) t.set(x, 26 + (x % 2), rgb(0xe8f4ff));
            break;
        case Feature::mountain:
        case Feature::snowPeak:
        case Feature::volcano: {
            const std::uint32_t stone = f == Feature::volcano ? 0x4e4246 : f == Feature::snowPeak ? 0x8a8ea4 : 0x8c7a62;
            paint(t, polygon({{24, 8}, {35, 33}, {13, 33}}), styled(stone));
            Style main = styled(stone);
            paint(t, polygon({{14, 3}, {30, 34}, {1, 34}}), main);
            // The right face is in shadow.
            fill(t, polygon({{14, 3}, {30, 34}, {17, 34}}), scale(ramp(stone).tone[1], 1.0));
            if (f == Feature::snowPeak || f == Feature::mountain)
                fill(t, polygon({{14, 3}, {18.5, 12}, {15, 10}, {12, 13}, {9.5, 12}}),
                     f == Feature::snowPeak ? rgb(0xf6f8ff) : ramp(stone).light());
            if (f == Feature::volcano) {
                paint(t, ellipse(14, 5, 4, 1.6), styled(0xff7a20, false));
                line(t, {14, 6}, {11, 20}, rgb(0xff9a30), 2);
                glow(t, 14, 3, 7, rgb(0xff6020, 160));
            }
            break;
        }
        case Feature::cliff: {
            // A face of broken rock between a grassy lip and the ground below.
            Image rock(kT, kT);
            stoneFill(rock, ramp(0x8c8074), 12, 1.0, seed, rgb(0x3a322c));
            for (int y = 3; y < 32; ++y)
                for (int x = 0; x < kT; ++x) t.set(x, y, y > 28 ? scale(rock.get(x, y), 0.8) : rock.get(x, y));
            const Ramp lip = ramp(0x5aa53c);
            for (int x = 0; x < kT; ++x) {
                t.set(x, 2, lip.tone[3]);
                t.set(x, 3, lip.tone[1]);
                t.set(x, 32, rgb(0x3a322c));
            }
            break;
        }
        case Feature::bridge: {
            const Ramp wood = ramp(0xa0703c);
            for (int y = 7; y < 29; ++y)
                for (int x = 0; x < kT; ++x) {
                    double v = 0.6 + valueNoise(x, y, 3, 12, seed) * 0.3;
                    if (x % 6 == 5) v = 0.05;
                    if (y == 7 || y == 28) v = 0.0;
                    t.set(x, y, toneFor(wood, v, x, y, 0.1));
                }
            for (int x = 0; x < kT; ++x) {
                t.set(x, 5, wood.tone[3]);
                t.set(x, 6, wood.tone[1]);
                t.set(x, 29, wood.tone[1]);
                t.set(x, 30, wood.tone[0]);
            }
            for (int x = 2; x < kT; x += 12) {
                t.fillRect(x, 3, 2, 5, wood.tone[0]);
                t.fillRect(x, 28, 2, 5, wood.tone[0]);
            }
            break;
        }
        case Feature::houseFront: {
            const Ramp plaster = ramp(0xe8dcc0), beam = ramp(0x6a4426);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) t.set(x, y, toneFor(plaster, 0.55 + valueNoise(x, y, 6, 6, seed) * 0.3, x, y));
            for (int x = 0; x < kT; ++x) {
                t.set(x, 0, beam.tone[1]);
                t.set(x, 1, beam.tone[2]);
                t.set(x, 34, beam.tone[2]);
                t.set(x, 35, beam.tone[1]);
            }
            for (int y = 0; y < kT; ++y) {
                t.set(0, y, beam.tone[2]);
                t.set(kT - 1, y, beam.tone[1]);
            }
            paint(t, rect(10, 8, 16, 16), styled(0x6a4426));
            paint(t, rect(12, 10, 12, 12), styled(0x3c6aa0));
            fill(t, rect(12, 10, 5, 5), rgb(0xa8d0f0));
            t.fillRect(17, 10, 2, 12, beam.tone[1]);
            t.fillRect(12, 15, 12, 2, beam.tone[1]);
            paint(t, rect(9, 24, 18, 3), styled(0x8a5a30));
            break;
        }
        case Feature::pines:
            pine(t, 9, 17, 16, 0x2f6e3a, false);
            pine(t, 27, 19, 17, 0x2a6436, false);
            pine(t, 18, 33, 18, 0x32743e, false);
            pine(t, 5, 35, 14, 0x2c6a38, false);
            pine(t, 31, 36, 14, 0x2f6e3a, false);
            break;
        case Feature::oaks:
            roundTree(t, 10, 18, 7, 0x3f8a34);
            roundTree(t, 27, 20, 7, 0x468f38);
            roundTree(t, 18, 34, 8, 0x3b8230);
            break;
        case Feature::deadTrees:
            for (int i = 0; i < 2; ++i) {
                const double x = i == 0 ? 11 : 25, base = i == 0 ? 30 : 25;
                paint(t, tube({x, base}, {x + 1, base - 18}, 2.2, 1), styled(0x6a5a4a));
                line(t, {x + 1, base - 12}, {x + 7, base - 18}, rgb(0x5a4a3c), 1.5);
                line(t, {x, base - 9}, {x - 6, base - 15}, rgb(0x5a4a3c), 1.5);
                line(t, {x - 6, base - 15}, {x - 7, base - 19}, rgb(0x5a4a3c));
            }
            break;
        case Feature::boulder:
            paint(t, ellipse(18, 30, 14, 4), Style{ramp(0x2a4a20), false, 0, 0, true});
            rock(t, 18, 20, 13, 11, 0x8a8a90);
            line(t, {12, 17}, {16, 22}, ramp(0x8a8a90).tone[0]);
            break;
        case Feature::fence: {
            const Style post = styled(0x8a5a30);
            for (int x = 3; x < kT; x += 18) paint(t, rect(x, 12, 4, 18), post);
            paint(t, rect(-2, 15, 40, 3), post);
            paint(t, rect(-2, 23, 40, 3), post);
            break;
        }
        case Feature::pillar:
            paint(t, rect(11, 28, 14, 5), styled(0xb4b0a8));
            paint(t, rect(13, 7, 10, 22), styled(0xc8c4bc));
            paint(t, rect(10, 3, 16, 5), styled(0xb4b0a8));
            for (int x = 15; x < 22; x += 3) line(t, {x + 0.5, 9}, {x + 0.5, 27}, rgb(0x8a867e));
            break;
        case Feature::well:
            paint(t, ellipse(18, 24, 12, 8), styled(0x9a9490));
            paint(t, ellipse(18, 22, 8, 4), styled(0x1c2a3a, false));
            paint(t, rect(6, 6, 3, 18), styled(0x7a5030));
            paint(t, rect(27, 6, 3, 18), styled(0x7a5030));
            paint(t, polygon({{3, 8}, {18, 1}, {33, 8}}), styled(0xa04a30));
            break;
        case Feature::rubble:
            for (int i = 0; i < 7; ++i)
                rock(t, rng.range(6, 30), rng.range(8, 30), rng.range(1.5, 3.5), rng.range(1.2, 2.5), 0x8a7a6a);
            break;
        case Feature::stairs:
            for (int i = 0; i < 5; ++i) {
                const double y = 6 + i * 5.5;
                paint(t, rect(6 + i, y, 24 - 2 * i, 5.5), Style{ramp(0x9a9aa4), true, 1, -0.12 * i, false});
            }
            fill(t, rect(11, 30, 14, 4), rgb(0x0c0a10));
            break;
        case Feature::battlements: {
            const Ramp r = ramp(0x9a9aa4);
            for (int x = 0; x < kT; ++x)
                for (int y = 0; y < 10; ++y)
                    if ((x + 3) % 12 >= 6) t.set(x, y, y == 9 ? r.outline() : rgb(0x2a3040));
            for (int x = 0; x < kT; ++x) t.set(x, 10, r.light());
            break;
        }
        case Feature::cracks:
            for (int i = 0; i < 2; ++i) {
                Pt p{rng.range(6, 30), rng.range(6, 30)};
                for (int k = 0; k < 5; ++k) {
                    const Pt q{p.x + rng.range(-5, 5), p.y + rng.range(-5, 5)};
                    line(t, p, q, rgb(0x2a2a30));
                    p = q;
                }
            }
            break;
        case Feature::flowers: {
            static constexpr std::uint32_t kPetals[] = {0xe83a4a, 0xf4d23c, 0xf8f4f0, 0xa05ad8, 0xf08ac0};
            scatter(rng, 11, kT, kT, [&](int x, int y) {
                const Rgba c = rgb(rng.pick(kPetals));
                t.setWrapped(x - 1, y, c);
                t.setWrapped(x + 1, y, c);
                t.setWrapped(x, y - 1, c);
                t.setWrapped(x, y + 1, scale(c, 0.7));
                t.setWrapped(x, y, rgb(0xf8e070));
            });
            break;
        }
        case Feature::cactus: {
            const Style s = styled(0x4a9a4a);
            paint(t, tube({18, 33}, {18, 6}, 4, 3.5), s);
            paint(t, tube({10, 20}, {10, 11}, 2.5, 2.5), s);
            paint(t, tube({10, 20}, {16, 20}, 2.5, 2.5), s);
            paint(t, tube({26, 16}, {26, 8}, 2.5, 2.5), s);
            paint(t, tube({26, 16}, {20, 16}, 2.5, 2.5), s);
            break;
        }
        case Feature::towerTop:
            towerBody(t, 26, 36);
            paint(t, polygon({{18, 6}, {30, 27}, {6, 27}}), styled(0x4a5a8a));
            line(t, {18.5, 6}, {18.5, 0}, rgb(0x3a2a20));
            paint(t, polygon({{19, 0.5}, {26, 2.5}, {19, 4.5}}), styled(0xd03a2a, false));
            break;
        case Feature::towerMiddle:
            towerBody(t, 0, 36);
            paint(t, rect(16, 12, 4, 10), styled(0x1a1a24));
            break;
        case Feature::towerBase:
            towerBody(t, 0, 33);
            paint(t, rect(7, 29, 22, 5), styled(0x8a8680));
            paint(t, intersect(rect(13, 18, 10, 12), ellipse(18, 22, 5, 8)), styled(0x6a4426));
            line(t, {18, 15}, {18, 29}, rgb(0x3a2414));
            break;
        case Feature::crates:
            for (const Pt p : {Pt{5, 17}, Pt{19, 19}, Pt{11, 4}}) {
                paint(t, rect(p.x, p.y, 13, 13), styled(0xb08048));
                line(t, {p.x + 1, p.y + 1}, {p.x + 12, p.y + 12}, rgb(0x7a5028));
                line(t, {p.x + 12, p.y + 1}, {p.x + 1, p.y + 12}, rgb(0x7a5028));
            }
            break;
        case Feature::shrubs:
            for (int i = 0; i < 3; ++i) {
                const double x = 8 + i * 10 + rng.range(-2, 2), y = 14 + (i % 2) * 10;
                paint(t, ellipse(x, y, 5, 3.5), styled(0x3c7a30));
                t.set(static_cast<int>(x) - 1, static_cast<int>(y) - 1, rgb(0xd8e870));
            }
            break;
        case Feature::stall: {
            paint(t, rect(4, 20, 28, 10), styled(0x9a6a3a));
            for (int i = 0; i < 4; ++i)
                paint(t, circle(9 + i * 6, 19, 2.2), styled(i % 2 ? 0xe8b040 : 0xd04030));
            for (int x = 2; x < 34; ++x)
                for (int y = 4; y < 12; ++y) t.set(x, y, ((x - 2) / 4) % 2 ? rgb(0xf0ece0) : rgb(0x3a7ac0));
            for (int x = 2; x < 34; ++x) t.set(x, 12, (x / 2) % 2 ? rgb(0x2a4a80) : kInk);
            t.fillRect(3, 12, 2, 10, rgb(0x6a4426));
            t.fillRect(31, 12, 2, 10, rgb(0x6a4426));
            break;
        }
        case Feature::fountain:
            paint(t, ellipse(18, 24, 15, 9), styled(0xb0aca4));
            paint(t, ellipse(18, 23, 11, 6), styled(0x4a8ad0, false));
            paint(t, rect(16, 8, 4, 15), styled(0xb0aca4));
            paint(t, ellipse(18, 8, 5, 2.5), styled(0xb0aca4));
            for (int i = -1; i <= 1; i += 2) curve(t, {18, 6}, {18.0 + i * 7, 2}, {18.0 + i * 9, 20}, rgb(0xd0ecff));
            break;
        case Feature::barrels:
            for (const Pt p : {Pt{10, 20}, Pt{25, 22}, Pt{17, 9}}) {
                paint(t, ellipse(p.x, p.y, 6.5, 8), styled(0x9a6434));
                line(t, {p.x - 6, p.y - 4}, {p.x + 6, p.y - 4}, rgb(0x4a4a50));
                line(t, {p.x - 6, p.y + 4}, {p.x + 6, p.y + 4}, rgb(0x4a4a50));
            }
            break;
        case Feature::palm: {
            paint(t, tube({16, 34}, {21, 10}, 2.5, 1.8), styled(0x9a7040));
            for (int y = 14; y < 34; y += 4) line(t, {15, y + 0.0}, {20, y - 1.0}, rgb(0x6a4a28));
            const Style leaf = styled(0x3a9a3a);
            for (int i = 0; i < 5; ++i) {
                const double a = -std::numbers::pi * (0.1 + i * 0.2);
                paint(t, tube({21, 10}, {21 + std::cos(a) * 13, 12 - std::sin(a) * 4 + (i == 0 || i == 4 ? 5 : 0)}, 2.2, 0.8), leaf);
            }
            paint(t, circle(20, 12, 2), styled(0x6a4a24));
            break;
        }
        case Feature::caveMouth:
            paint(t, ellipse(18, 26, 18, 16), styled(0x8c7a62));
            paint(t, intersect(ellipse(18, 30, 8, 11), rect(8, 18, 20, 20)), styled(0x0c0a10));
            rock(t, 6, 31, 4, 3, 0x7a6a56);
            rock(t, 31, 32, 4, 3, 0x7a6a56);
            break;
        case Feature::iceBlock:
            paint(t, polygon({{6, 10}, {18, 4}, {31, 10}, {31, 28}, {18, 33}, {6, 28}}), styled(0xa8e0f4));
            line(t, {18, 16}, {18, 33}, rgb(0x6aa8c8));
            line(t, {6, 10}, {18, 16}, rgb(0x6aa8c8));
            line(t, {31, 10}, {18, 16}, rgb(0x6aa8c8));
            line(t, {10, 14}, {13, 24}, rgb(0xffffff));
            break;
        case Feature::crystals:
            glow(t, 18, 20, 16, rgb(0xb070ff, 120));
            for (int i = 0; i < 4; ++i) {
                const double x = 9 + i * 6.5, h = 12 + (i % 2) * 9, lean = (i - 1.5) * 2.5;
                paint(t, polygon({{x - 3, 31}, {x + lean, 31 - h}, {x + 3, 31}}), styled(i % 2 ? 0x9a5ae8 : 0x5ac8e8));
            }
            break;
        case Feature::stalagmites:
            for (int i = 0; i < 3; ++i) {
                const double x = 8 + i * 10, h = 16 + (i % 2) * 10;
                paint(t, polygon({{x - 5, 32}, {x, 32 - h}, {x + 5, 32}}), styled(0x8a7866));
            }
            break;
        case Feature::portcullis:
            brickFill(t, ramp(0x6a6a7a), 12, 6, rgb(0x2a2a34), seed);
            paint(t, intersect(rect(6, 6, 24, 30), ellipse(18, 18, 12, 14)), styled(0x0e0c14, false));
            for (int x = 8; x < 30; x += 4) line(t, {x + 0.5, 6}, {x + 0.5, 35}, rgb(0x8a8a96));
            for (int y = 14; y < 36; y += 7) line(t, {6, y + 0.5}, {30, y + 0.5}, rgb(0x6a6a76));
            break;
        case Feature::altar:
            paint(t, rect(5, 14, 26, 16), styled(0xc8c0b4));
            paint(t, rect(5, 14, 26, 4), styled(0xe8e4dc));
            paint(t, rect(14, 14, 8, 16), styled(0x8a2a3a, false));
            for (int x : {8, 27}) {
                paint(t, rect(x - 1, 7, 3, 7), styled(0xf4ecd0));
                glow(t, x + 0.5, 6, 4, rgb(0xffd060, 200));
            }
            break;
        case Feature::bones:
            paint(t, circle(14, 14, 4), styled(0xe8e0cc));
            t.set(12, 14, kInk);
            t.set(15, 14, kInk);
            paint(t, tube({18, 24}, {30, 20}, 1.3, 1.3), styled(0xe0d8c4));
            paint(t, tube({6, 26}, {15, 30}, 1.3, 1.3), styled(0xe0d8c4));
            break;
        case Feature::graves:
            for (const Pt p : {Pt{9, 12}, Pt{26, 15}, Pt{16, 26}}) {
                paint(t, intersect(rect(p.x - 4, p.y - 6, 8, 12), ellipse(p.x, p.y, 4, 10)), styled(0x9a98a0));
                line(t, {p.x, p.y - 3}, {p.x, p.y + 2}, rgb(0x5a5860));
                line(t, {p.x - 2, p.y - 1}, {p.x + 2, p.y - 1}, rgb(0x5a5860));
            }
            break;
        case Feature::statue: {
            paint(t, rect(8, 27, 20, 7), styled(0x7a7680));
            const Style s = styled(0x5a5866);
            paint(t, ellipse(18, 18, 7, 9), s);
            paint(t, circle(18, 8, 5), s);
            paint(t, polygon({{13, 6}, {11, -1}, {15, 4}}), s);
            paint(t, polygon({{23, 6}, {25, -1}, {21, 4}}), s);
            paint(t, polygon({{11, 14}, {4, 8}, {7, 20}}), s);
            paint(t, polygon({{25, 14}, {32, 8}, {29, 20}}), s);
            t.set(16, 8, rgb(0xff3030));
            t.set(20, 8, rgb(0xff3030));
            break;
        }
        case Feature::sealedDoor:
            paint(t, intersect(rect(7, 4, 22, 28), ellipse(18, 16, 11, 16)), styled(0x5a3a2a));
            line(t, {18, 5}, {18, 31}, rgb(0x2a1a12));
            glow(t, 18, 19, 8, rgb(0x60c0ff, 200));
            paint(t, circle(18, 19, 3.5), styled(0x8ad8ff, false));
            break;
        case Feature::brazier:
            glow(t, 18, 10, 14, rgb(0xff8020, 110));
            line(t, {12, 33}, {16, 20}, rgb(0x3a3a44), 2);
            line(t, {24, 33}, {20, 20}, rgb(0x3a3a44), 2);
            paint(t, intersect(ellipse(18, 16, 9, 6), rect(8, 16, 20, 8)), styled(0x5a5a66));
            paint(t, polygon({{11, 16}, {14, 6}, {17, 11}, {19, 2}, {22, 10}, {25, 16}}), styled(0xf07a20, false));
            paint(t, polygon({{15, 16}, {18, 8}, {21, 16}}), styled(0xffd84a, false));
            break;
        case Feature::thicket:
            for (int i = 0; i < 7; ++i)
                paint(t, circle(rng.range(5, 31), rng.range(8, 30), rng.range(6, 9)), styled(i % 2 ? 0x2a5a24 : 0x30662a));
            break;
        case Feature::pebbles:
            for (int i = 0; i < 5; ++i) rock(t, rng.range(5, 31), rng.range(5, 31), rng.range(1.5, 2.5), rng.range(1, 2), 0x9a968c);
            break;
        case Feature::path: {
            const Ramp r = ramp(0x9a7a4a);
            for (int y = 0; y < kT; ++y) {
                const double c = 18 + 5 * std::sin(y * 2 * std::numbers::pi / kT);
                for (int x = 0; x < kT; ++x) {
                    const double d = std::fabs(x + 0.5 - c);
                    if (d > 6) continue;
                    t.set(x, y, toneFor(r, 0.55 + valueNoise(x, y, 6, 6, seed) * 0.3 - (d > 5 ? 0.35 : 0), x, y));
                }
            }
            break;
        }
        case Feature::mushrooms:
            for (const Pt p : {Pt{10, 14}, Pt{24, 20}, Pt{14, 28}}) {
                paint(t, rect(p.x - 1.5, p.y, 3, 4), styled(0xf0e8d8));
                paint(t, intersect(ellipse(p.x, p.y + 1, 5, 5), rect(p.x - 6, p.y - 5, 12, 6)), styled(0xd8342a));
                t.set(static_cast<int>(p.x) - 2, static_cast<int>(p.y) - 2, rgb(0xffffff));
                t.set(static_cast<int>(p.x) + 1, static_cast<int>(p.y) - 1, rgb(0xffffff));
            }
            break;
        case Feature::greatTree:
            paint(t, tube({18, 34}, {18, 14}, 6, 4), styled(0x6a4a2a));
            paint(t, tube({18, 32}, {8, 35}, 2.5, 1), styled(0x6a4a2a));
            paint(t, tube({18, 32}, {29, 35}, 2.5, 1), styled(0x6a4a2a));
            paint(t, circle(18, 11, 14), styled(0x2e6e2a));
            paint(t, circle(11, 9, 7), styled(0x347830));
            paint(t, circle(25, 13, 7), styled(0x2a6426));
            break;
        case Feature::roadEW: road(t, false, false, true, true); break;
        case Feature::roadNS: road(t, true, true, false, false); break;
        case Feature::roadSE: road(t, false, true, true, false); break;
        case Feature::roadSW: road(t, false, true, false, true); break;
        case Feature::roadNE: road(t, true, false, true, false); break;
        case Feature::roadNW: road(t, true, false, false, true); break;
        case Feature::crossroads: road(t, true, true, true, true); break;
        case Feature::drifts: {
            const Ramp r = ramp(0xe6eef8);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const double s = std::sin((x + y * 0.5) * 2 * std::numbers::pi / 18.0 + std::sin(y * 2 * std::numbers::pi / 36.0) * 2);
                    if (s > 0.55) t.set(x, y, r.tone[3]);
                    else if (s < -0.75) t.set(x, y, r.tone[1]);
                }
            break;
        }
        case Feature::snowPine:
            pine(t, 18, 35, 31, 0x2a5a40, true);
            break;
    }
}

}  // namespace assetgen
