// Each backdrop shows the kind of place its terrain group or scene stands
// for: a swapped or miscoloured picture fails here.
#include <gtest/gtest.h>

#include <functional>

#include "pictures.h"

namespace assets_test {
namespace {

struct Band {
    double r = 0, g = 0, b = 0, luma = 0;
};

// Mean colour of the rows between fractions top and bottom of the height.
Band band(const Pixels& p, double top, double bottom) {
    Band m;
    int n = 0;
    for (int y = static_cast<int>(top * p.height); y < static_cast<int>(bottom * p.height); ++y)
        for (int x = 0; x < p.width; x += 3, ++n) {
            m.r += p.red(x, y);
            m.g += p.green(x, y);
            m.b += p.blue(x, y);
            m.luma += p.luma(x, y);
        }
    m.r /= n;
    m.g /= n;
    m.b /= n;
    m.luma /= n;
    return m;
}

bool skyAbove(const Pixels& p) {
    const Band sky = band(p, 0, 0.2);
    return sky.b > sky.r + 40 && sky.luma > 100;
}

struct Place {
    int backdrop;
    const char* what;
    std::function<bool(const Pixels&)> looksRight;
};

TEST(Backdrops, ShowTheirPlaces) {
    const Place places[] = {
        {0, "a dark cave", [](const Pixels& p) { return band(p, 0, 1).luma < 90; }},
        {1, "hills at dusk", [](const Pixels& p) { return band(p, 0.4, 0.6).r > band(p, 0.4, 0.6).b + 20 && band(p, 0, 0.1).luma < 110; }},
        {3, "a shore: sky over sand", [](const Pixels& p) { return skyAbove(p) && band(p, 0.8, 1).r > band(p, 0.8, 1).b + 40; }},
        {4, "meadows under the sky", [](const Pixels& p) { return skyAbove(p) && band(p, 0.8, 1).g > band(p, 0.8, 1).r + 20; }},
        {5, "a volcano's glow", [](const Pixels& p) { return band(p, 0, 1).r > band(p, 0, 1).g + 25; }},
        {6, "night over the sea", [](const Pixels& p) { return band(p, 0, 0.3).luma < 60; }},
        {7, "grassland under the sky", [](const Pixels& p) { return skyAbove(p) && band(p, 0.75, 1).g > band(p, 0.75, 1).b + 30; }},
        {8, "a green forest", [](const Pixels& p) { return band(p, 0, 1).g > band(p, 0, 1).r && band(p, 0, 1).g > band(p, 0, 1).b; }},
        {9, "snowfields", [](const Pixels& p) { return band(p, 0.6, 1).luma > 170; }},
        {10, "an ice cave", [](const Pixels& p) { return band(p, 0, 1).b > band(p, 0, 1).r + 30; }},
        {11, "a dark lair", [](const Pixels& p) { return band(p, 0, 1).luma < 70 && band(p, 0, 1).r + band(p, 0, 1).b > 2 * band(p, 0, 1).g; }},
        {12, "a town under the sky", [](const Pixels& p) { return skyAbove(p) && band(p, 0.8, 1).luma > 100; }},
    };
    for (const Place& place : places) {
        const Pixels p = loadFile(appDir() / ("graphics/" + std::to_string(place.backdrop) + ".bmp"));
        EXPECT_TRUE(place.looksRight(p)) << place.backdrop << " should show " << place.what;
    }
}

// Scene figures stand with their feet from 72% of the backdrop's height down
// to its bottom edge; on the volcano's floor they must stand on rock, with the
// lava behind them.
TEST(Backdrops, VolcanoLavaLiesBehindWhereFiguresStand) {
    const Pixels p = loadFile(appDir() / "graphics/5.bmp");
    int molten = 0, inFront = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            if (p.red(x, y) < 220 || p.blue(x, y) > 90) continue;
            ++molten;
            inFront += y >= p.height * 72 / 100;
        }
    EXPECT_GT(molten, p.width * 4) << "the lava is there at all";
    EXPECT_EQ(inFront, 0);
}

// The cliff scenes stand a figure in the left sixth of the night backdrop
// with its feet at 42% of the height: the clifftop must be under them, not sky.
TEST(Backdrops, NightCliffTopIsUnderTheStandingFigure) {
    const Pixels p = loadFile(appDir() / "graphics/6.bmp");
    for (int y = p.height * 43 / 100; y < p.height / 2; ++y)
        for (int x = 0; x < p.width / 6; ++x)
            ASSERT_LT(p.blue(x, y), p.red(x, y) + 25) << "sky at " << x << ", " << y;
}

TEST(Backdrops, WorldMapsShowLandAndSea) {
    for (const char* name : {"graphics/map.bmp", "graphics/map2.bmp"}) {
        const Pixels p = loadFile(appDir() / name);
        int sea = 0, land = 0;
        for (std::size_t i = 0; i < p.argb.size(); ++i) {
            const int x = static_cast<int>(i) % p.width, y = static_cast<int>(i) / p.width;
            sea += p.blue(x, y) > p.red(x, y) + 30;
            land += p.green(x, y) > p.blue(x, y) + 20 && p.green(x, y) > p.red(x, y) - 10;
        }
        EXPECT_GT(sea, static_cast<int>(p.argb.size()) / 5) << name;
        EXPECT_GT(land, static_cast<int>(p.argb.size()) / 5) << name;
    }
    EXPECT_NE(loadFile(appDir() / "graphics/map.bmp").argb, loadFile(appDir() / "graphics/map2.bmp").argb);
}

// Window textures fill menus of any size by repeating.
TEST(Backdrops, WindowTexturesRepeat) {
    for (int n = 1; n <= 5; ++n) {
        const Pixels p = loadFile(appDir() / ("graphics/W" + std::to_string(n) + ".jpg"));
        auto step = [&](int x0, int y0, int x1, int y1) {
            return std::abs(p.luma(x0, y0) - p.luma(x1, y1));
        };
        double seam = 0, inside = 0;
        for (int i = 0; i < p.height; ++i) {
            seam += step(p.width - 1, i, 0, i);
            inside += step(p.width / 2 - 1, i, p.width / 2, i);
        }
        EXPECT_LT(seam, inside * 2 + 8.0 * p.height) << "W" << n;
    }
}

}  // namespace
}  // namespace assets_test
