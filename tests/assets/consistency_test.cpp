// The story's speakers look the same in their portraits and in their scene
// sprites: the colours of hair, eyes and clothes are shared.
#include <gtest/gtest.h>

#include <set>

#include "pictures.h"
#include "shell/embedded_pictures.h"

namespace assets_test {
namespace {

std::set<std::uint32_t> colours(const Pixels& p) {
    std::set<std::uint32_t> out;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.alpha(x, y) >= 128 && p.luma(x, y) > 40) out.insert(p.at(x, y) & 0xffffff);
    return out;
}

Pixels face(int n) {
    for (const embedded::Blob& b : embedded::pictures())
        if (b.name == "img/" + std::to_string(n)) return loadBytes(std::span(b.data, b.size), std::string(b.name));
    throw std::runtime_error("no face " + std::to_string(n));
}

std::size_t shared(const std::set<std::uint32_t>& a, const std::set<std::uint32_t>& b) {
    std::size_t n = 0;
    for (std::uint32_t c : a) n += b.contains(c);
    return n;
}

struct Speaker {
    int face;
    std::set<int> sprites;  // char<n>.gif pictures of the same person
};

TEST(Cast, FacesMatchTheirSprites) {
    const Speaker speakers[] = {{12, {4, 5}}, {13, {3}}, {14, {3}}, {21, {6, 11}}, {27, {8}}, {28, {0}},
                                {30, {10}},   {42, {2}}, {47, {12}}, {51, {7}},    {54, {9}}, {59, {1}}};
    std::vector<std::set<std::uint32_t>> sprites;
    for (int n = 0; n <= 12; ++n) sprites.push_back(colours(loadFile(appDir() / ("graphics/char" + std::to_string(n) + ".gif"))));
    for (const Speaker& s : speakers) {
        const auto f = colours(face(s.face));
        int best = -1;
        std::size_t bestShared = 0;
        for (int n = 0; n <= 12; ++n)
            if (shared(f, sprites[static_cast<std::size_t>(n)]) > bestShared) {
                bestShared = shared(f, sprites[static_cast<std::size_t>(n)]);
                best = n;
            }
        EXPECT_TRUE(s.sprites.contains(best)) << "face " << s.face << " looks most like char" << best;
        EXPECT_GE(bestShared, 6u) << "face " << s.face;
    }
}

// Maurice the boss (monster picture 38) is Maurice of the scenes.
TEST(Cast, MauriceFightsAsHimself) {
    const auto boss = colours(loadFile(appDir() / "graphics/38.gif"));
    const std::size_t withMaurice = shared(boss, colours(face(28)));
    for (int other : {12, 21, 27, 42, 51, 54, 59}) EXPECT_GT(withMaurice, shared(boss, colours(face(other)))) << other;
}

}  // namespace
}  // namespace assets_test
