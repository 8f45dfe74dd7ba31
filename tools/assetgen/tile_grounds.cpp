// The seamless surfaces under every terrain tile.
#include <cmath>
#include <numbers>

#include "noise.h"
#include "texture.h"
#include "tiles.h"

namespace assetgen {
namespace {

constexpr int kT = kTileSize;

void waterRipples(Image& t, const Ramp& r, std::uint32_t seed, double strength) {
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            const double n = fractalNoise(x, y, 12, 3, 2, seed);
            const double wave = std::sin((x * 2 + y * 5 + n * 24) * 2 * std::numbers::pi / 36.0 * 2);
            t.set(x, y, toneFor(r, 0.42 + (n - 0.5) * 0.9 + wave * 0.12 * strength, x, y, 0.15));
        }
    Rng rng("ripple", seed);
    scatter(rng, 5, kT, kT, [&](int x, int y) {
        for (int i = 0; i < 4; ++i) t.setWrapped(x + i, y + (i == 0 || i == 3 ? 1 : 0), r.light());
    });
}

void blades(Image& t, Rng& rng, int count, int maxLen, Rgba dark, Rgba light) {
    scatter(rng, count, kT, kT, [&](int x, int y) {
        const int len = rng.between(1, maxLen);
        const Rgba c = rng.chance(0.5) ? dark : light;
        for (int i = 0; i < len; ++i) t.setWrapped(x, y - i, c);
    });
}

}  // namespace

void paintGround(Image& t, Ground g, std::uint32_t seed) {
    Rng rng("ground", seed);
    switch (g) {
        case Ground::ocean:
            waterRipples(t, ramp(0x2a5fb0), seed, 1.0);
            break;
        case Ground::lake:
            waterRipples(t, ramp(0x3f8fcf), seed, 0.6);
            break;
        case Ground::cavePool:
            waterRipples(t, ramp(0x1f5466), seed, 0.5);
            break;
        case Ground::grass: {
            const Ramp r = ramp(0x5aa53c);
            noiseFill(t, r, 12, seed, 0.7);
            blades(t, rng, 34, 2, r.tone[1], r.tone[3]);
            break;
        }
        case Ground::tallGrass: {
            const Ramp r = ramp(0x4c9434);
            noiseFill(t, r, 12, seed, 0.6, -0.1);
            blades(t, rng, 90, 5, r.tone[0], r.tone[3]);
            break;
        }
        case Ground::dirt: {
            const Ramp r = ramp(0xa87848);
            noiseFill(t, r, 12, seed, 0.8);
            scatter(rng, 10, kT, kT, [&](int x, int y) {
                t.setWrapped(x, y, r.tone[3]);
                t.setWrapped(x + 1, y + 1, r.tone[0]);
            });
            break;
        }
        case Ground::swamp: {
            const Ramp r = ramp(0x5c6a3a);
            noiseFill(t, r, 12, seed, 1.0);
            const Ramp water = ramp(0x3d5a52);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x)
                    if (fractalNoise(x, y, 12, 3, 2, seed + 5) > 0.6)
                        t.set(x, y, toneFor(water, 0.45 + 0.3 * std::sin(x * 0.9 + y * 0.2), x, y));
            break;
        }
        case Ground::farmland: {
            const Ramp soil = ramp(0x8a5a32), crop = ramp(0x7fb540);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const int row = y % 6;
                    const double n = valueNoise(x, y, 6, 6, seed);
                    if (row < 2) t.set(x, y, toneFor(soil, 0.2 + n * 0.3, x, y));
                    else if (row == 5) t.set(x, y, toneFor(soil, 0.6 + n * 0.3, x, y));
                    else t.set(x, y, toneFor(crop, 0.35 + n * 0.5 + (row == 2 ? 0.25 : 0), x, y));
                }
            break;
        }
        case Ground::forestFloor: {
            const Ramp r = ramp(0x3f6a2e);
            noiseFill(t, r, 12, seed, 0.9, -0.08);
            const Ramp leaf = ramp(0x8a6a2c);
            scatter(rng, 26, kT, kT, [&](int x, int y) {
                t.setWrapped(x, y, leaf.tone[static_cast<std::size_t>(rng.between(1, 3))]);
                t.setWrapped(x + 1, y, leaf.tone[1]);
            });
            break;
        }
        case Ground::sand: {
            const Ramp r = ramp(0xe0c47c);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const double n = fractalNoise(x, y, 12, 3, 2, seed);
                    const double dune = std::sin((x + 2 * y) * 2 * std::numbers::pi / 18.0 + n * 3);
                    t.set(x, y, toneFor(r, 0.55 + dune * 0.16 + (n - 0.5) * 0.5, x, y, 0.12));
                }
            scatter(rng, 8, kT, kT, [&](int x, int y) { t.setWrapped(x, y, r.tone[1]); });
            break;
        }
        case Ground::snow: {
            const Ramp r = ramp(0xe6eef8);
            noiseFill(t, r, 12, seed, 0.45, 0.08);
            scatter(rng, 6, kT, kT, [&](int x, int y) { t.setWrapped(x, y, rgb(0xffffff)); });
            break;
        }
        case Ground::ice: {
            const Ramp r = ramp(0x9fd6ee);
            noiseFill(t, r, 18, seed, 0.5, 0.05);
            for (int i = 0; i < 3; ++i) {
                const int x0 = rng.between(0, kT - 1), y0 = rng.between(0, kT - 1), len = rng.between(5, 10);
                for (int k = 0; k < len; ++k) t.setWrapped(x0 + k, y0 - k, r.tone[3]);
            }
            scatter(rng, 3, kT, kT, [&](int x, int y) {
                for (int k = 0; k < 5; ++k) t.setWrapped(x + k, y + k / 2, r.tone[1]);
            });
            break;
        }
        case Ground::cobble:
            stoneFill(t, ramp(0xa09a8a), 9, 1.3, seed, rgb(0x5a5448));
            break;
        case Ground::caveFloor: {
            const Ramp r = ramp(0x7a6a58);
            noiseFill(t, r, 12, seed, 0.8);
            scatter(rng, 12, kT, kT, [&](int x, int y) {
                t.setWrapped(x, y, r.tone[0]);
                t.setWrapped(x + 1, y, r.tone[3]);
            });
            break;
        }
        case Ground::flagstone:
            brickFill(t, ramp(0x8c8c96), 18, 12, rgb(0x46464e), seed);
            break;
        case Ground::moss: {
            brickFill(t, ramp(0x7c8478), 18, 12, rgb(0x3e443a), seed);
            const Ramp m = ramp(0x5f8f3a);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const double n = fractalNoise(x, y, 12, 3, 3, seed + 9);
                    if (n > 0.55) t.set(x, y, toneFor(m, (n - 0.55) * 3 + 0.2, x, y));
                }
            break;
        }
        case Ground::ash: {
            const Ramp r = ramp(0x4a4448);
            noiseFill(t, r, 12, seed, 0.9);
            scatter(rng, 5, kT, kT, [&](int x, int y) { t.setWrapped(x, y, rgb(0xff8a2a)); });
            break;
        }
        case Ground::darkFloor: {
            // Dark slate, but plainly ground: speckled like the cave floor,
            // with a few cracks, and well above the black of a chasm.
            const Ramp r = ramp(0x5a5262);
            noiseFill(t, r, 12, seed, 0.7);
            for (int i = 0; i < 3; ++i) {
                int x = rng.between(0, kT - 1), y = rng.between(0, kT - 1);
                for (int k = 0, len = rng.between(5, 9); k < len; ++k) {
                    t.setWrapped(x, y, r.tone[0]);
                    x += 1;
                    y += rng.between(-1, 1);
                }
            }
            scatter(rng, 12, kT, kT, [&](int x, int y) {
                t.setWrapped(x, y, r.tone[3]);
                t.setWrapped(x + 1, y, r.tone[0]);
            });
            break;
        }
        case Ground::darkness:
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x)
                    t.set(x, y, bayer(x, y) + valueNoise(x, y, 12, 3, seed) * 0.4 > 1.05 ? rgb(0x16141e) : rgb(0x0a0a10));
            break;
        case Ground::lava: {
            const Ramp r = ramp(0xe0501c);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const double n = fractalNoise(x, y, 12, 3, 3, seed);
                    Rgba c = toneFor(r, 0.3 + n * 0.9, x, y);
                    if (n > 0.66) c = mix(rgb(0xffd040), rgb(0xfff2a0), n > 0.75 ? 1.0 : 0.0);
                    if (n < 0.32) c = rgb(0x5a1a10);
                    t.set(x, y, c);
                }
            break;
        }
        case Ground::chasm:
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const double n = fractalNoise(x, y, 12, 3, 2, seed);
                    t.set(x, y, n + bayer(x, y) * 0.2 > 0.62 ? rgb(0x1c1822) : rgb(0x06050a));
                }
            break;
        case Ground::caveWall:
            stoneFill(t, ramp(0x6e5c4c), 12, 1.1, seed, rgb(0x2a2018));
            break;
        case Ground::dungeonWall:
            brickFill(t, ramp(0x5a5a72), 12, 6, rgb(0x24242e), seed);
            break;
        case Ground::townWall:
            brickFill(t, ramp(0xc2ae88), 18, 9, rgb(0x6a5a44), seed);
            break;
        case Ground::castleWall:
            brickFill(t, ramp(0x9a9aa4), 18, 12, rgb(0x4a4a54), seed);
            break;
        case Ground::roof: {
            const Ramp r = ramp(0xb4462e);
            for (int y = 0; y < kT; ++y)
                for (int x = 0; x < kT; ++x) {
                    const int row = y / 6;
                    const int sx = (x + (row % 2) * 3) % 6;
                    const double cx = sx - 2.5, cy = y % 6;
                    // Round-ended shingles, darker where the next row overlaps.
                    const bool gap = cx * cx / 9.0 + (cy - 0) * (cy - 0) / 36.0 > 1.0 && cy > 3;
                    double v = 0.75 - cy / 8.0 - cx * 0.04;
                    if (gap) v = 0.05;
                    t.set(x, y, toneFor(r, v, x, y, 0.1));
                }
            break;
        }
    }
}

}  // namespace assetgen
