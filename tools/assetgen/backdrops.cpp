// The thirteen places of battles and scenes. Terrain groups choose 0, 3, 7,
// 8, 9, 10 and 12 (see battle/backdrops.h); the scenes use the rest.
#include "backdrops.h"

#include <cmath>
#include <numbers>

#include "landscape.h"
#include "noise.h"
#include "texture.h"

namespace assetgen {
namespace {

constexpr int W = kBackdropWidth / 2, H = kBackdropHeight / 2;

// Rough rock filling a region, for cave walls.
void rockWall(Image& img, const Region& r, std::uint32_t colour, std::uint32_t seed) {
    const Ramp rp = ramp(colour);
    for (int y = static_cast<int>(r.y0); y <= static_cast<int>(r.y1); ++y)
        for (int x = static_cast<int>(r.x0); x <= static_cast<int>(r.x1); ++x) {
            if (!r.inside(x + 0.5, y + 0.5)) continue;
            const double n = fractalNoise(x, y, 24, 0, 4, seed);
            const double edge = fractalNoise(x + 1, y + 1, 24, 0, 4, seed) - n;
            const double v = 0.45 + (n - 0.5) * 1.2 - edge * 8;
            img.set(x, y, rp.tone[static_cast<std::size_t>(std::clamp(static_cast<int>(v * 4 + bayer(x, y) * 0.5 - 0.25), 0, 3))]);
        }
}

void stalactites(Image& img, int count, double maxLen, std::uint32_t colour, bool fromTop, std::uint32_t seed) {
    Rng rng("spikes", seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, W), len = rng.range(maxLen * 0.3, maxLen), half = rng.range(3, 8);
        if (fromTop) paint(img, polygon({{x - half, -1}, {x + half, -1}, {x + rng.range(-2, 2), len}}), styled(colour));
        else paint(img, polygon({{x - half, H + 1.0}, {x + half, H + 1.0}, {x + rng.range(-2, 2), H - len}}), styled(colour));
    }
}

void torch(Image& img, double x, double y) {
    glow(img, x, y - 4, 26, rgb(0xff9a40, 120));
    paint(img, rect(x - 1.5, y, 3, 10), styled(0x5a3a22));
    paint(img, polygon({{x - 3, y}, {x, y - 9}, {x + 3, y}}), styled(0xffa030, false));
    paint(img, polygon({{x - 1.5, y}, {x, y - 5}, {x + 1.5, y}}), styled(0xfff080, false));
}

// A floor of square slabs receding toward a vanishing point.
void perspectiveFloor(Image& img, int horizon, double vx, Rgba a, Rgba b, Rgba line) {
    for (int y = horizon; y < H; ++y) {
        const double depth = 60.0 / (y - horizon + 6.0);
        for (int x = 0; x < W; ++x) {
            const double u = (x - vx) * depth / 22.0, v = depth * 2.5;
            const double fu = u - std::floor(u), fv = v - std::floor(v);
            Rgba c = ((static_cast<int>(std::floor(u)) + static_cast<int>(std::floor(v))) & 1) ? a : b;
            if (fu < 0.06 || fv < 0.06 * (1 + depth)) c = line;
            img.set(x, y, mix(c, rgb(0x000000), std::clamp(depth * 0.05, 0.0, 0.6)));
        }
    }
}

void pillar(Image& img, double x, double top, double bottom, double width, std::uint32_t stone) {
    const Style s = styled(stone);
    paint(img, rect(x - width / 2, top + 8, width, bottom - top - 14), s);
    paint(img, rect(x - width / 2 - 3, top, width + 6, 9), s);
    paint(img, rect(x - width / 2 - 3, bottom - 7, width + 6, 7), s);
    for (int i = 1; i < 4; ++i) line(img, {x - width / 2 + i * width / 4, top + 10}, {x - width / 2 + i * width / 4, bottom - 8}, ramp(stone).tone[1]);
}

void house(Image& img, double x, double base, double w, double h, std::uint32_t wall, std::uint32_t roof) {
    paint(img, rect(x, base - h, w, h), styled(wall));
    for (double bx = x; bx <= x + w; bx += w / 3) line(img, {bx, base - h}, {bx, base}, ramp(0x6a4426).tone[1]);
    line(img, {x, base - h * 0.5}, {x + w, base - h * 0.5}, ramp(0x6a4426).tone[1]);
    paint(img, polygon({{x - 4, base - h}, {x + w / 2, base - h - h * 0.75}, {x + w + 4, base - h}}), styled(roof));
    paint(img, rect(x + w * 0.38, base - h * 0.45, w * 0.24, h * 0.45), styled(0x6a4426));
    for (double wx : {x + w * 0.1, x + w * 0.72}) {
        paint(img, rect(wx, base - h * 0.85, w * 0.18, h * 0.25), styled(0x3a5a8a));
        img.set(static_cast<int>(wx + 1), static_cast<int>(base - h * 0.83), rgb(0xc8e0f8));
    }
}

// ---- The places ---------------------------------------------------------------

void cave(Image& img, std::uint32_t rock, Rgba light, bool lava) {
    rockWall(img, rect(0, 0, W, H), rock, 11);
    // The passage ahead darkens toward its middle.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double dx = (x - W * 0.5) / (W * 0.26), dy = (y - H * 0.5) / (H * 0.34);
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d >= 1.0 || y > H * 0.66) continue;
            const double k = std::floor((1.0 - d) * 5 + bayer(x, y)) / 5.0;
            img.set(x, y, mix(img.get(x, y), rgb(0x08060c), std::clamp(k * 1.3, 0.0, 1.0)));
        }
    glow(img, W * 0.5, H * 0.55, 70, rgb(hexOf(light), 60));
    // The floor widens toward the viewer between ragged walls.
    const int floorTop = static_cast<int>(H * 0.6);
    Image ground(W, H);
    groundPlane(ground, floorTop, rock, 0.9, 12, 1.0);
    for (int y = floorTop; y < H; ++y) {
        const double t = y - floorTop;
        const double left = W * 0.3 - t * 1.5 + 10 * fractalNoise(0, y, 12, 0, 2, 16);
        const double right = W * 0.7 + t * 1.5 - 10 * fractalNoise(5, y, 12, 0, 2, 17);
        for (int x = static_cast<int>(std::max(0.0, left)); x < std::min<double>(W, right); ++x) {
            const double fade = std::clamp(1.0 - t / (H * 0.3), 0.0, 1.0);
            const double k = std::floor(fade * 4 + bayer(x, y)) / 4.0;
            img.set(x, y, mix(ground.get(x, y), rgb(0x08060c), k * 0.8));
        }
    }
    Rng rng("cavefloor", rock);
    for (int i = 0; i < 4; ++i) boulder(img, rng.range(W * 0.3, W * 0.7), rng.range(H * 0.8, H), rng.range(5, 10), rock);
    if (lava) {
        // The river runs across the far end of the floor, so figures standing
        // in the foreground stand on rock in front of it.
        const double river = H * 0.65;
        for (int y = static_cast<int>(river - 8); y < river + 8; ++y)
            for (int x = 0; x < W; ++x) {
                const double c = river + std::sin(x * 0.03) * 3, d = std::fabs(y - c);
                if (d > 4 + std::sin(x * 0.11)) continue;
                const double n = fractalNoise(x * 0.5, y * 2, 10, 0, 3, 31);
                img.set(x, y, n > 0.6 ? rgb(0xfff090) : n > 0.45 ? rgb(0xffa030) : rgb(0xd8401a));
            }
        glow(img, W * 0.5, river, 160, rgb(0xff5020, 70));
        // Lava falls pour down the walls into the river.
        for (int i = 0; i < 2; ++i) {
            const double x0 = W * (0.1 + i * 0.74);
            glow(img, x0 + 6, H * 0.4, 40, rgb(0xff7020, 110));
            for (int y = 0; y < river; ++y)
                for (int x = static_cast<int>(x0); x < x0 + 12 + y * 0.03; ++x) {
                    const double n = fractalNoise(x * 2, y * 0.25 - i * 40, 6, 0, 2, 33 + i);
                    img.set(x, y, n > 0.62 ? rgb(0xfff090) : n > 0.42 ? rgb(0xffa030) : rgb(0xe0501a));
                }
        }
    }
    stalactites(img, 16, H * 0.3, rock, true, 21);
    stalactites(img, 8, H * 0.18, rock, false, 22);
}

void caveBackdrop(Image& img) {
    cave(img, 0x6a5a4a, rgb(0x8a7a6a), false);
    torch(img, W * 0.3, H * 0.42);
    torch(img, W * 0.72, H * 0.4);
}

void volcanoBackdrop(Image& img) { cave(img, 0x5a3a34, rgb(0xff6020), true); }

void iceBackdrop(Image& img) {
    cave(img, 0x6a9ac8, rgb(0x90d0ff), false);
    for (int i = 0; i < 6; ++i) {
        const double x = W * (0.08 + i * 0.17), h = 24 + (i % 3) * 12;
        paint(img, polygon({{x - 6, H - 4.0}, {x - 1, H - 4 - h}, {x + 6, H - 4.0}}), styled(0xa8e8ff));
        paint(img, polygon({{x + 4, H - 2.0}, {x + 8, H - 2 - h * 0.6}, {x + 12, H - 2.0}}), styled(0x88c8f0));
    }
    glow(img, W * 0.5, H * 0.4, 70, rgb(0xe0f8ff, 90));
}

void plainsBackdrop(Image& img) {
    skyGradient(img, 0, 130, rgb(0x3a78d8), rgb(0xa8d8f8));
    clouds(img, 8, 80, 0.5, rgb(0xffffff), rgb(0xb8c8e0), 3);
    mountainRange(img, 128, 6, 30, 62, 0x6a7aa0, rgb(0xa8d0f0), 0.4, true, 5);
    ridge(img, 132, 10, 0.7, 0x5a9a48, rgb(0xa8d0f0), 0.2, 0, 6);
    groundPlane(img, 140, 0x68b040, 0.8, 7);
    Rng rng("plains", 0);
    for (int i = 0; i < 6; ++i) leafyTree(img, rng.range(0, W), rng.range(140, 150), rng.range(18, 32), 0x3a8a34);
    bush(img, 40, 200, 14, 0x4a9a38);
    bush(img, 340, 204, 16, 0x3a8a30);
    boulder(img, 300, 192, 9, 0x9a9a98);
}

void duskHillsBackdrop(Image& img) {
    skyGradient(img, 0, 140, rgb(0x3a2a6a), rgb(0xf0a060), 7);
    glow(img, 250, 118, 50, rgb(0xfff0a0, 200));
    paint(img, circle(250, 118, 14), styled(0xfff4c0, false));
    clouds(img, 20, 90, 0.35, rgb(0xf8b080), rgb(0x8a5a8a), 8);
    mountainRange(img, 136, 7, 24, 48, 0x6a4a7a, rgb(0xd08080), 0.45, false, 9);
    ridge(img, 142, 20, 0.6, 0x4a5a3a, rgb(0xd08080), 0.15, 0, 10);
    groundPlane(img, 155, 0x5a6a34, 0.7, 11);
    for (int y = 155; y < H; ++y) {
        const double c = 180 + (y - 155) * 1.4 + std::sin(y * 0.12) * 10, half = 2 + (y - 155) * 0.5;
        for (int x = static_cast<int>(c - half); x <= static_cast<int>(c + half); ++x)
            img.set(x, y, toneFor(ramp(0xb08a5a), 0.5 + (y - 155) / 120.0, x, y));
    }
    pineTree(img, 40, 170, 50, 0x2a3a2a, false);
    pineTree(img, 62, 175, 38, 0x2a3a2a, false);
    // The broken arch of an old ruin on the ridge.
    paint(img, rect(300, 100, 8, 50), styled(0x8a7a8a));
    paint(img, rect(336, 110, 8, 40), styled(0x8a7a8a));
    paint(img, polygon({{300, 100}, {322, 90}, {326, 96}, {308, 106}}), styled(0x8a7a8a));
}

void chapelBackdrop(Image& img) {
    brickFill(img, ramp(0x8a8090), 24, 12, rgb(0x4a4454), 41);
    static constexpr std::uint32_t kGlass[] = {0xd83a3a, 0x3a6ad8, 0xe8c040, 0x3aa860, 0x9a4ad8};
    for (int i = 0; i < 3; ++i) {
        const double cx = W * (0.25 + i * 0.25), top = 20, w = 32, h = 100;
        const Region win = intersect(rect(cx - w / 2, top, w, h), subtract(rect(cx - w / 2, top, w, h), rect(-1, -1, 0.5, 0.5)));
        paint(img, polygon({{cx - w / 2 - 4, top + h + 4}, {cx - w / 2 - 4, top + 12}, {cx, top - 8}, {cx + w / 2 + 4, top + 12}, {cx + w / 2 + 4, top + h + 4}}),
              styled(0x6a6070));
        for (int y = static_cast<int>(top - 2); y < top + h; ++y)
            for (int x = static_cast<int>(cx - w / 2); x < cx + w / 2; ++x) {
                const double ax = std::fabs(x + 0.5 - cx) / (w / 2), ay = (y - top + 2) / 12.0;
                if (ay < 1 && ax > ay) continue;
                const int pane = static_cast<int>((x - cx + w) / 6) + static_cast<int>(y / 9) * 3;
                Rgba c = rgb(kGlass[static_cast<std::size_t>(pane + i) % 5]);
                if (static_cast<int>(x - cx + w) % 6 == 0 || y % 9 == 0) c = rgb(0x2a2430);
                img.set(x, y, c);
            }
        (void)win;
        lightShaft(img, cx, cx + 30, 14, rgb(0xfff0c0, 70));
    }
    perspectiveFloor(img, 140, W * 0.5, rgb(0xd8d0c0), rgb(0x8a8070), rgb(0x5a5048));
    for (int y = 140; y < H; ++y) {
        const double half = 10 + (y - 140) * 0.9;
        for (int x = static_cast<int>(W * 0.5 - half); x < W * 0.5 + half; ++x) img.set(x, y, toneFor(ramp(0xa02a3a), 0.5 + (y - 140) / 140.0, x, y));
    }
    paint(img, rect(W * 0.5 - 30, 116, 60, 26), styled(0xe8e4dc));
    paint(img, rect(W * 0.5 - 8, 116, 16, 26), styled(0xc8a030));
    for (double x : {W * 0.5 - 24, W * 0.5 + 24}) {
        paint(img, rect(x - 2, 102, 4, 14), styled(0xf4ecd0));
        glow(img, x, 98, 10, rgb(0xffd060, 220));
    }
    pillar(img, 24, 0, 190, 22, 0xb0a8b8);
    pillar(img, W - 24, 0, 190, 22, 0xb0a8b8);
}

void shoreBackdrop(Image& img) {
    skyGradient(img, 0, 100, rgb(0x48a0f0), rgb(0xc8ecff));
    clouds(img, 6, 70, 0.4, rgb(0xffffff), rgb(0xc0d4ec), 51);
    const Ramp sea = ramp(0x2a78c0);
    for (int y = 100; y < 150; ++y)
        for (int x = 0; x < W; ++x) {
            const double d = (y - 100) / 50.0;
            const double n = std::sin(x * (0.15 - d * 0.08) + y * 1.3 + fractalNoise(x, y, 20, 0, 2, 52) * 4);
            Rgba c = toneFor(sea, 0.35 + d * 0.3 + n * 0.12, x, y);
            if (n > 0.93) c = rgb(0xe8f4ff);
            img.set(x, y, c);
        }
    for (int x = 0; x < W; ++x) {
        const int foam = 150 + static_cast<int>(std::sin(x * 0.07) * 3);
        for (int y = foam - 2; y < foam + 1; ++y) img.set(x, y, rgb(0xf0f8ff));
    }
    groundPlane(img, 151, 0xe8cc88, 0.5, 53);
    for (int i = 0; i < 2; ++i) {
        const double x = 40 + i * 40, base = 200 - i * 10, h = 90 - i * 20;
        const Pt crown{x + 18, base - h};
        paint(img, tube({x, base}, crown, 4, 3), styled(0x9a7040));
        // Fronds arch out from the crown and droop at their tips.
        for (int k = 0; k < 7; ++k) {
            const double a = std::numbers::pi * (k / 6.0), reach = 30;
            const Pt mid{crown.x + std::cos(a) * reach * 0.55, crown.y - 10 - std::sin(a) * 4};
            const Pt tip{crown.x + std::cos(a) * reach, crown.y + 8 - std::sin(a) * 2};
            paint(img, tube(crown, mid, 3.5, 3), styled(k % 2 ? 0x3a9a3a : 0x2e8a34));
            paint(img, tube(mid, tip, 3, 0.8), styled(k % 2 ? 0x3a9a3a : 0x2e8a34));
        }
        paint(img, circle(crown.x, crown.y + 2, 3.5), styled(0x6a4a24));
    }
    boulder(img, 320, 180, 14, 0x8a8480);
    boulder(img, 340, 186, 9, 0x9a948c);
}

void meadowTownBackdrop(Image& img) {
    skyGradient(img, 0, 120, rgb(0x4a88e0), rgb(0xb8e0fa));
    clouds(img, 6, 70, 0.45, rgb(0xffffff), rgb(0xc0d0e8), 61);
    ridge(img, 112, 22, 0.8, 0x5a9a58, rgb(0xb8e0fa), 0.35, 0, 62);
    // The town on its hill: a wall with towers and roofs behind it.
    const double wallTop = 96, wallBase = 116;
    for (int i = 0; i < 6; ++i) house(img, 150 + i * 22, wallTop + 2, 16, 12, 0xe8dcc0, i % 2 ? 0xb4462e : 0x8a4a3a);
    paint(img, rect(140, wallTop, 150, wallBase - wallTop), styled(0xc2ae88));
    for (double x = 140; x < 290; x += 8) paint(img, rect(x, wallTop - 4, 4, 5), styled(0xc2ae88));
    for (double x : {140.0, 214.0, 288.0}) {
        paint(img, rect(x - 7, wallTop - 20, 14, wallBase - wallTop + 20), styled(0xb8a47e));
        paint(img, polygon({{x - 9, wallTop - 20}, {x, wallTop - 36}, {x + 9, wallTop - 20}}), styled(0x4a5a8a));
    }
    paint(img, intersect(rect(206, 102, 16, 14), ellipse(214, 110, 8, 10)), styled(0x4a3020));
    groundPlane(img, 128, 0x6ab844, 0.8, 63);
    static constexpr std::uint32_t kPetals[] = {0xe83a4a, 0xf4d23c, 0xf8f4f0, 0xa05ad8};
    Rng rng("meadow", 0);
    for (int i = 0; i < 160; ++i) {
        const int x = rng.between(0, W - 1), y = rng.between(140, H - 1);
        img.set(x, y, rgb(rng.pick(kPetals)));
        if (y > 170) img.set(x + 1, y, rgb(rng.pick(kPetals)));
    }
    for (int y = 116; y < H; ++y) {
        const double c = 214 + (y - 116) * (y - 116) * 0.012, half = 3 + (y - 116) * 0.35;
        for (int x = static_cast<int>(c - half); x <= static_cast<int>(c + half); ++x)
            img.set(x, y, toneFor(ramp(0xc0a070), 0.5 + (y - 116) / 160.0, x, y));
    }
    leafyTree(img, 40, 176, 56, 0x3a8a34);
    bush(img, 330, 196, 16, 0x4a9a38);
}

void cliffNightBackdrop(Image& img) {
    skyGradient(img, 0, 130, rgb(0x0c0c2a), rgb(0x3a3a6a), 6);
    stars(img, 120, 220, 71);
    glow(img, 290, 44, 40, rgb(0xe0e8ff, 120));
    paint(img, circle(290, 44, 13), styled(0xf0f0e0, false));
    paint(img, circle(295, 40, 11), Style{ramp(0x1a1a3a), false, 0, 0, true});
    const Ramp sea = ramp(0x1a2a5a);
    for (int y = 130; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = std::sin(x * 0.2 + y * 1.1 + fractalNoise(x, y, 20, 0, 2, 72) * 3);
            Rgba c = toneFor(sea, 0.35 + n * 0.15, x, y);
            if (std::fabs(x - 290) < 14 - (y - 130) * 0.05 && n > 0.4) c = rgb(0xc8d0f0);
            img.set(x, y, c);
        }
    // The clifftop is level where the scenes stand a figure on it (the left
    // sixth, feet at 86), then falls away to the sea.
    rockWall(img, polygon({{0, 86}, {70, 86}, {130, 100}, {190, 124}, {230, 150}, {210, 160}, {150, H}, {0, H}}), 0x4a4a5a, 73);
    const Ramp grass = ramp(0x2a4a3a);
    auto clifftop = [](double x) {
        return x < 70 ? 86 : x < 130 ? 86 + (x - 70) * 14 / 60 : 100 + (x - 130) * 24 / 60;
    };
    for (int x = 0; x < 190; ++x) {
        const double top = clifftop(x);
        for (int y = static_cast<int>(top); y < top + 5; ++y) img.set(x, y, toneFor(grass, 0.5 - (y - top) / 8.0, x, y));
    }
    leafyTree(img, 112, clifftop(112) + 2, 60, 0x2a4a3a);
}

void forestBackdrop(Image& img) {
    skyGradient(img, 0, H, rgb(0x1a3a2a), rgb(0x4a6a3a));
    Rng rng("trunks", 0);
    for (int layer = 0; layer < 3; ++layer) {
        const Rgba haze = rgb(0x5a7a4a);
        const double fade = 0.6 - layer * 0.25;
        for (int i = 0; i < 9 - layer * 2; ++i) {
            const double x = rng.range(0, W), w = 8 + layer * 8;
            Image trunk(W, H);
            paint(trunk, rect(x - w / 2, -2, w, H * (0.75 + layer * 0.08)), styled(0x5a4028));
            for (int y = 0; y < H; ++y)
                for (int xx = 0; xx < W; ++xx)
                    if (trunk.get(xx, y).a) img.set(xx, y, mix(trunk.get(xx, y), haze, fade));
        }
    }
    for (int i = 0; i < 3; ++i) lightShaft(img, 80 + i * 110, 120 + i * 110, 10, rgb(0xf0f8c0, 60));
    for (int i = 0; i < 26; ++i)
        paint(img, circle(rng.range(-10, W + 10), rng.range(-8, 34), rng.range(14, 26)), styled(i % 3 ? 0x2f6a2a : 0x3a7a30));
    groundPlane(img, 160, 0x4a6a2a, 0.9, 82);
    for (int i = 0; i < 8; ++i) bush(img, rng.range(0, W), rng.range(168, H), rng.range(8, 14), 0x2f6a2a);
    for (int i = 0; i < 5; ++i) {
        const double x = rng.range(10, W - 10), y = rng.range(180, H - 4);
        paint(img, rect(x - 1, y - 4, 2, 4), styled(0xf0e8d8));
        paint(img, intersect(ellipse(x, y - 3, 4, 4), rect(x - 5, y - 8, 10, 5)), styled(0xd8342a));
    }
}

void snowBackdrop(Image& img) {
    skyGradient(img, 0, 120, rgb(0x8aa8d0), rgb(0xdce8f4));
    mountainRange(img, 124, 5, 50, 90, 0x7a84a4, rgb(0xdce8f4), 0.3, true, 91);
    ridge(img, 128, 18, 0.7, 0xc8d4e8, rgb(0xdce8f4), 0.1, 0, 92);
    groundPlane(img, 140, 0xe4ecf6, 0.5, 93);
    for (int i = 0; i < 7; ++i) pineTree(img, 20 + i * 58 + (i % 2) * 14, 146 + (i % 3) * 6, 36 + (i % 2) * 10, 0x2a5a44, true);
    pineTree(img, 350, 205, 80, 0x2a5a44, true);
    Rng rng("flakes", 0);
    for (int i = 0; i < 260; ++i) img.set(rng.between(0, W - 1), rng.between(0, H - 1), rgb(0xffffff));
}

void lairBackdrop(Image& img) {
    skyGradient(img, 0, H, rgb(0x1a0e22), rgb(0x3a1a3a));
    brickFill(img, ramp(0x3a2a44), 30, 15, rgb(0x1a1022), 101);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) img.set(x, y, mix(img.get(x, y), rgb(0x10061a), 0.35));
    // A throne of dark stone beneath a red glow.
    glow(img, W * 0.5, 80, 110, rgb(0xd02040, 110));
    paint(img, rect(W * 0.5 - 22, 40, 44, 90), styled(0x2a1a30));
    paint(img, polygon({{W * 0.5 - 26, 40}, {W * 0.5, 14}, {W * 0.5 + 26, 40}}), styled(0x2a1a30));
    paint(img, rect(W * 0.5 - 30, 100, 60, 36), styled(0x3a2440));
    perspectiveFloor(img, 136, W * 0.5, rgb(0x3a2a40), rgb(0x24182a), rgb(0x120a16));
    // Runes glowing in a circle on the floor.
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * std::numbers::pi * i / 10;
        const double x = W * 0.5 + std::cos(a) * 90, y = 176 + std::sin(a) * 20;
        glow(img, x, y, 8, rgb(0xff40c0, 200));
        img.set(static_cast<int>(x), static_cast<int>(y), rgb(0xffc0f0));
    }
    for (double x : {40.0, 110.0, W - 110.0, W - 40.0}) {
        pillar(img, x, 0, 170, 20, 0x4a3a54);
        torch(img, x, 70);
    }
}

void townBackdrop(Image& img) {
    skyGradient(img, 0, 110, rgb(0x5a98e8), rgb(0xc0e4fa));
    clouds(img, 4, 60, 0.4, rgb(0xffffff), rgb(0xc8d4e8), 111);
    static constexpr std::uint32_t kWalls[] = {0xe8dcc0, 0xd8c8a8, 0xf0e4d0, 0xc8b898};
    static constexpr std::uint32_t kRoofs[] = {0xb4462e, 0x8a4a3a, 0x4a5a8a, 0x9a6a3a};
    for (int i = 0; i < 7; ++i) house(img, 4 + i * 54, 138, 44, 40 + (i % 3) * 8, kWalls[i % 4], kRoofs[(i + 1) % 4]);
    for (int y = 138; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double d = (y - 138.0) / (H - 138);
            const int sx = static_cast<int>(x / (4 + d * 8)), sy = static_cast<int>((y - 138) / (2 + d * 5));
            const bool gap = static_cast<int>(x + (sy % 2) * (2 + d * 4)) % static_cast<int>(4 + d * 8) == 0 ||
                             static_cast<int>((y - 138) / (2 + d * 5) * 10) % 10 == 0;
            const double n = valueNoise(sx, sy, 1, 0, 113);
            img.set(x, y, gap ? rgb(0x6a6458) : toneFor(ramp(0xb0a898), 0.35 + d * 0.3 + (n - 0.5) * 0.5, x, y));
        }
    // The well in the square and a market stall.
    paint(img, ellipse(W * 0.5, 178, 26, 10), styled(0x9a9490));
    paint(img, ellipse(W * 0.5, 174, 18, 5), styled(0x1c2a3a, false));
    paint(img, rect(W * 0.5 - 20, 130, 4, 44), styled(0x7a5030));
    paint(img, rect(W * 0.5 + 16, 130, 4, 44), styled(0x7a5030));
    paint(img, polygon({{W * 0.5 - 28, 134}, {W * 0.5, 118}, {W * 0.5 + 28, 134}}), styled(0xa04a30));
    paint(img, rect(30, 160, 60, 22), styled(0x9a6a3a));
    for (int x = 26; x < 94; ++x)
        for (int y = 142; y < 152; ++y) img.set(x, y, ((x - 26) / 6) % 2 ? rgb(0xf0ece0) : rgb(0xd03a3a));
    for (int i = 0; i < 5; ++i) paint(img, circle(38 + i * 10, 158, 3.5), styled(i % 2 ? 0xe8b040 : 0x6ab040));
    leafyTree(img, 330, 190, 60, 0x3a8a34);
}

using Paint = void (*)(Image&);
constexpr Paint kBackdrops[] = {
    caveBackdrop,       // 0: caves and dungeons below the first continent
    duskHillsBackdrop,  // 1: hills at dusk, the old battlefield of the intro
    chapelBackdrop,     // 2: the Holy Chapel
    shoreBackdrop,      // 3: sandy shore
    meadowTownBackdrop, // 4: the meadows by the first town
    volcanoBackdrop,    // 5: the volcano's caverns, on the second continent
    cliffNightBackdrop, // 6: a cliff over the sea by night
    plainsBackdrop,     // 7: grassland
    forestBackdrop,     // 8: forest
    snowBackdrop,       // 9: snowfields
    iceBackdrop,        // 10: ice caverns
    lairBackdrop,       // 11: the Daemon's lair
    townBackdrop,       // 12: the town square
};

}  // namespace

std::vector<Image> makeBackdrops() {
    std::vector<Image> out;
    for (Paint p : kBackdrops) {
        Image img(W, H, rgb(0x000000));
        p(img);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                Rgba c = img.get(x, y);
                c.a = 255;
                img.set(x, y, c);
            }
        out.push_back(enlarged(img, 2));
    }
    return out;
}

}  // namespace assetgen
