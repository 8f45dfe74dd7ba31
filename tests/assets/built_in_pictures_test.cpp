// The pictures built into the executable: the names the picture store asks
// for, each a PNG of the size its control shows.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "pictures.h"
#include "shell/embedded_pictures.h"

namespace assets_test {
namespace {

std::map<std::string, std::span<const unsigned char>> byName() {
    std::map<std::string, std::span<const unsigned char>> out;
    for (const embedded::Blob& b : embedded::pictures()) out.emplace(std::string(b.name), std::span(b.data, b.size));
    return out;
}

Pixels builtIn(const std::string& name) {
    static const auto all = byName();
    const auto it = all.find(name);
    if (it == all.end()) throw std::runtime_error("no built-in picture " + name);
    return loadBytes(it->second, name);
}

struct Array {
    const char* name;
    int count;
    int width, height;  // exact size, or 0 for at least minSide
    int minSide;
    bool square;
};

constexpr Array kArrays[] = {
    {"Tiles", 106, 36, 36, 0, true}, {"img", 64, 0, 0, 72, true},   {"icons", 28, 0, 0, 16, true},
    {"item", 4, 0, 0, 16, true},     {"weapon", 7, 0, 0, 16, true}, {"armor", 7, 0, 0, 16, true},
    {"shield", 6, 0, 0, 16, true},   {"hit", 18, 0, 0, 32, true},   {"toolbar", 13, 0, 0, 16, true},
    {"Image1", 1, 0, 0, 300, false},
};

TEST(BuiltInPictures, HoldExactlyTheNamesOfThePictureStore) {
    std::multiset<std::string> expected;
    for (const Array& a : kArrays)
        for (int i = 0; i < a.count; ++i) expected.insert(std::string(a.name) + "/" + std::to_string(i));
    for (int i = 0; i < 4; ++i) expected.insert("intro/" + std::to_string(i));
    expected.insert("toolbar/close");
    std::multiset<std::string> actual;
    for (const embedded::Blob& b : embedded::pictures()) actual.insert(std::string(b.name));
    EXPECT_EQ(actual, expected);
}

TEST(BuiltInPictures, DecodeAtTheirSizes) {
    for (const Array& a : kArrays)
        for (int i = 0; i < a.count; ++i) {
            const std::string name = std::string(a.name) + "/" + std::to_string(i);
            SCOPED_TRACE(name);
            const Pixels p = builtIn(name);
            if (a.width > 0) {
                EXPECT_EQ(p.width, a.width);
                EXPECT_EQ(p.height, a.height);
            } else {
                EXPECT_GE(std::min(p.width, p.height), a.minSide);
                if (a.square) {
                    EXPECT_EQ(p.width, p.height);
                }
            }
        }
}

// The intro's figures are not stretched: their size is their place on screen.
TEST(BuiltInPictures, IntroFiguresHaveTheSlideshowsSizes) {
    const std::pair<int, int> sizes[] = {{36, 90}, {34, 50}, {52, 46}, {42, 35}};
    for (int i = 0; i < 4; ++i) {
        const Pixels p = builtIn("intro/" + std::to_string(i));
        EXPECT_EQ(p.width, sizes[i].first) << i;
        EXPECT_EQ(p.height, sizes[i].second) << i;
        EXPECT_EQ(p.alpha(0, 0), 0) << i;
    }
}

// The map draws the mask with AND, then the sprite with OR: the mask must be
// black exactly where the sprite has colour, the sprite black elsewhere.
void expectMaskPair(int sprite, int mask) {
    SCOPED_TRACE("sprite " + std::to_string(sprite) + ", mask " + std::to_string(mask));
    const Pixels s = builtIn("Tiles/" + std::to_string(sprite));
    const Pixels m = builtIn("Tiles/" + std::to_string(mask));
    int covered = 0, mismatched = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            const std::uint32_t mp = m.at(x, y) & 0xffffff;
            ASSERT_TRUE(mp == 0 || mp == 0xffffff) << "mask pixels are black or white";
            const bool spriteHere = (s.at(x, y) & 0xffffff) != 0;
            covered += mp == 0;
            mismatched += spriteHere != (mp == 0);
        }
    EXPECT_EQ(mismatched, 0);
    EXPECT_GT(covered, 36 * 36 / 6);
    EXPECT_LT(covered, 36 * 36 * 4 / 5);
}

TEST(BuiltInPictures, ChestAndHeroMasksMatchTheirSprites) {
    expectMaskPair(81, 80);
    for (int dir = 0; dir < 4; ++dir)
        for (int frame = 0; frame < 3; ++frame) expectMaskPair(82 + dir * 6 + frame, 85 + dir * 6 + frame);
}

TEST(BuiltInPictures, HeroWalksWithDifferentFramesInEveryDirection) {
    std::set<std::vector<std::uint32_t>> seen;
    for (int dir = 0; dir < 4; ++dir)
        for (int frame = 0; frame < 3; ++frame)
            EXPECT_TRUE(seen.insert(builtIn("Tiles/" + std::to_string(82 + dir * 6 + frame)).argb).second) << dir << "/" << frame;
}

TEST(BuiltInPictures, FacesAreDistinctPeople) {
    std::vector<Pixels> faces;
    for (int i = 0; i < 64; ++i) faces.push_back(builtIn("img/" + std::to_string(i)));
    for (std::size_t a = 0; a < faces.size(); ++a)
        for (std::size_t b = a + 1; b < faces.size(); ++b) {
            std::size_t differ = 0;
            for (std::size_t k = 0; k < faces[a].argb.size(); ++k) differ += faces[a].argb[k] != faces[b].argb[k];
            EXPECT_GT(differ, faces[a].argb.size() / 5) << "faces " << a << " and " << b;
        }
}

TEST(BuiltInPictures, HitFramesAnimate) {
    for (int kind = 0; kind < 6; ++kind)
        for (int f = 0; f < 2; ++f) {
            const Pixels a = builtIn("hit/" + std::to_string(kind * 3 + f));
            const Pixels b = builtIn("hit/" + std::to_string(kind * 3 + f + 1));
            EXPECT_NE(a.argb, b.argb) << "kind " << kind << " frame " << f;
            EXPECT_GT(a.opaqueShare(), 0.02);
        }
}

// The editor menu and the save editor write black and dark-red text straight
// on the menu background, and the save editor's window is 419 x 508 pixels.
TEST(BuiltInPictures, TheMenuBackgroundIsLightAndCoversTheSaveEditor) {
    const Pixels p = builtIn("Image1/0");
    EXPECT_GE(p.width, 419);
    EXPECT_GE(p.height, 508);
    int darkest = 255;
    for (int y = 0; y < std::min(p.height, 508); ++y)
        for (int x = 0; x < std::min(p.width, 419); ++x) darkest = std::min(darkest, p.luma(x, y));
    // Dark red (0x80 red) has a luma of 38; the paper must stand well above it.
    EXPECT_GT(darkest, 140);
}

}  // namespace
}  // namespace assets_test
