// Every picture file the game opens exists in the application folder and
// loads at a size that fits where the game shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "pictures.h"

namespace assets_test {
namespace {

struct FileGroup {
    const char* label;
    const char* prefix;
    const char* suffix;
    int first, last;
    int minW, minH, maxW, maxH;
    bool transparent;  // clear background around the figure
};

// Monsters must fit between the battle menu and the backdrop's top; the
// backdrops are stretched to 721 x 378 and 769 x 465.
constexpr FileGroup kGroups[] = {
    {"monsters", "graphics/", ".gif", 1, 50, 40, 40, 170, 172, true},
    {"backdrops", "graphics/", ".bmp", 0, 12, 721, 378, 1600, 1000, false},
    {"characters", "graphics/char", ".gif", 0, 12, 41, 65, 200, 300, true},
    {"windows", "graphics/W", ".jpg", 1, 5, 64, 64, 1024, 1024, false},
};

void PrintTo(const FileGroup& g, std::ostream* os) { *os << g.label; }

class PictureGroups : public ::testing::TestWithParam<FileGroup> {};

TEST_P(PictureGroups, ExistAndLoadAtUsableSizes) {
    const FileGroup& g = GetParam();
    for (int n = g.first; n <= g.last; ++n) {
        const std::string name = std::string(g.prefix) + std::to_string(n) + g.suffix;
        SCOPED_TRACE(name);
        const Pixels p = loadFile(appDir() / name);
        EXPECT_GE(p.width, g.minW);
        EXPECT_GE(p.height, g.minH);
        EXPECT_LE(p.width, g.maxW);
        EXPECT_LE(p.height, g.maxH);
        if (g.transparent) {
            EXPECT_EQ(p.alpha(0, 0), 0) << "corner should be see-through";
            EXPECT_EQ(p.alpha(p.width - 1, 0), 0);
            EXPECT_GT(p.opaqueShare(), 0.12) << "too little figure";
            EXPECT_LT(p.opaqueShare(), 0.9) << "no background left";
        } else {
            EXPECT_DOUBLE_EQ(p.opaqueShare(), 1.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Graphics, PictureGroups, ::testing::ValuesIn(kGroups),
                         [](const ::testing::TestParamInfo<FileGroup>& info) { return std::string(info.param.label); });

TEST(PictureFiles, WorldMapsLoad) {
    for (const char* name : {"graphics/map.bmp", "graphics/map2.bmp"}) {
        const Pixels p = loadFile(appDir() / name);
        EXPECT_GE(p.width, 400) << name;
        EXPECT_GE(p.height, 300) << name;
    }
}

TEST(PictureFiles, CharacterSpritesKeepTheScenesProportions) {
    for (int n = 0; n <= 12; ++n) {
        const Pixels p = loadFile(appDir() / ("graphics/char" + std::to_string(n) + ".gif"));
        EXPECT_NEAR(static_cast<double>(p.width) / p.height, 41.0 / 65.0, 0.02) << n;
    }
}

// Distinct pictures: a group where two files are the same picture has lost one.
TEST(PictureFiles, NoTwoPicturesInAGroupAreAlike) {
    for (const auto& [prefix, suffix, first, last] :
         {std::tuple{"graphics/", ".gif", 1, 50}, std::tuple{"graphics/", ".bmp", 0, 12}, std::tuple{"graphics/char", ".gif", 0, 12}}) {
        std::set<std::vector<std::uint32_t>> seen;
        for (int n = first; n <= last; ++n)
            EXPECT_TRUE(seen.insert(loadFile(appDir() / (std::string(prefix) + std::to_string(n) + suffix)).argb).second)
                << prefix << n << suffix;
    }
}

// The Demon and the Daemon are the largest foes, the Stinger and the Bat
// among the smallest.
TEST(PictureFiles, MonstersAreSizedByTheirStrength) {
    auto area = [](int n) {
        const Pixels p = loadFile(appDir() / ("graphics/" + std::to_string(n) + ".gif"));
        return p.width * p.height;
    };
    for (int small : {1, 45})
        for (int big : {25, 39}) EXPECT_GT(area(big), 4 * area(small)) << small << " vs " << big;
}

// The talk box draws the default white text straight on the chosen window
// texture, so even its light tenth must leave white text a contrast of 3 to 1
// (relative luminance, sRGB).
TEST(PictureFiles, WhiteTextReadsOnEveryWindowTexture) {
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    for (int n = 1; n <= 5; ++n) {
        const std::string name = "graphics/W" + std::to_string(n) + ".jpg";
        const Pixels p = loadFile(appDir() / name);
        std::vector<double> lum;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                lum.push_back(0.2126 * linear(p.red(x, y)) + 0.7152 * linear(p.green(x, y)) +
                              0.0722 * linear(p.blue(x, y)));
        std::sort(lum.begin(), lum.end());
        const double light = lum[lum.size() * 9 / 10];
        EXPECT_GE(1.05 / (light + 0.05), 3.0) << name;
    }
}

}  // namespace
}  // namespace assets_test
