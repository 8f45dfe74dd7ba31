// The terrain tiles: the catalogue agrees with the walking rule and the
// battle backdrops, and the pictures join up on the map.
#include <gtest/gtest.h>

#include <cstdlib>

#include "../../tools/assetgen/tile_catalogue.h"
#include "pictures.h"
#include "shell/embedded_pictures.h"

namespace assets_test {
namespace {

using assetgen::Feature;
using assetgen::kTileCatalogue;

Pixels tile(int code) {
    for (const embedded::Blob& b : embedded::pictures())
        if (b.name == "Tiles/" + std::to_string(code)) return loadBytes(std::span(b.data, b.size), std::string(b.name));
    throw std::runtime_error("no tile " + std::to_string(code));
}

int distance(const Pixels& a, int ax, int ay, const Pixels& b, int bx, int by) {
    return std::abs(a.red(ax, ay) - b.red(bx, by)) + std::abs(a.green(ax, ay) - b.green(bx, by)) + std::abs(a.blue(ax, ay) - b.blue(bx, by));
}

TEST(TileCatalogue, AgreesWithTheWalkingRuleAndTheBackdropGroups) {
    for (const auto& e : kTileCatalogue) {
        EXPECT_EQ(e.walkable, !world::isBlocking(e.code)) << e.code << " " << e.depicts;
        EXPECT_EQ(e.group, battle::terrainGroup(e.code)) << e.code << " " << e.depicts;
    }
}

// The tile picker's hint list marks six codes the walking rule lets the
// hero cross; every other hinted code blocks.
TEST(TileCatalogue, PickerHintsDifferFromTheRuleOnlyWhereTheGameSaysSo) {
    const std::pair<int, int> hinted[] = {{0, 3}, {5, 8}, {10, 12}, {14, 21}, {24, 27}, {29, 30}, {36, 45}, {47, 54}, {56, 59}, {61, 61}, {66, 66}, {77, 79}};
    const std::set<int> passable{21, 39, 42, 48, 78, 79};
    int count = 0;
    for (const auto& [first, last] : hinted)
        for (int c = first; c <= last; ++c, ++count) EXPECT_EQ(world::isBlocking(c), !passable.contains(c)) << c;
    EXPECT_EQ(count, 52);
    for (int c = 80; c < 256; ++c) EXPECT_FALSE(world::isBlocking(c)) << c;
}

// Floors below ground must not read as the chasm or the dark beyond the
// lit cells: players took the dark cave floor for a drop.
TEST(TileCatalogue, DarkFloorsStandWellAboveTheDarkOfAChasm) {
    auto meanLuma = [](const Pixels& p) {
        long sum = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) sum += p.luma(x, y);
        return double(sum) / (p.width * p.height);
    };
    const double chasm = meanLuma(tile(27)), darkness = meanLuma(tile(79));
    for (int floor : {22, 33, 78}) {
        EXPECT_GT(meanLuma(tile(floor)), std::max(chasm, darkness) + 40) << floor;
    }
}

TEST(Backdrops, EveryChoiceHasItsPicture) {
    for (const auto& e : kTileCatalogue)
        for (int map = 0; map <= 6; ++map)
            for (int group : {0, 1, 11, 26, 31, 32}) {
                const int n = battle::chooseBackdrop(e.code, map, group, 0);
                if (n >= 0) {
                    EXPECT_TRUE(std::filesystem::exists(appDir() / ("graphics/" + std::to_string(n) + ".bmp"))) << n;
                }
            }
}

// Pieces that join other pieces rather than themselves.
bool joinsNeighbours(Feature f) {
    switch (f) {
        case Feature::roadNS: case Feature::roadEW: case Feature::roadSE: case Feature::roadSW: case Feature::roadNE:
        case Feature::roadNW: case Feature::crossroads: case Feature::towerTop: case Feature::towerBase:
            return true;
        default:
            return false;
    }
}

// Mean colour step between row y of `a` and row y2 of `b`, over columns x0..x1.
double rowStep(const Pixels& a, int y, const Pixels& b, int y2, int x0 = 0, int x1 = 36) {
    double sum = 0;
    for (int x = x0; x < x1; ++x) sum += distance(a, x, y, b, x, y2);
    return sum / (x1 - x0);
}

Pixels transposed(const Pixels& p) {
    Pixels t = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) t.argb[static_cast<std::size_t>(x) * p.width + y] = p.at(x, y);
    return t;
}

double largestInsideStep(const Pixels& t, int x0 = 0, int x1 = 36) {
    double inside = 0;
    for (int y = 0; y < 35; ++y) inside = std::max(inside, rowStep(t, y, t, y + 1, x0, x1));
    return inside;
}

// The step across a join, against the largest step between neighbouring
// rows inside: bricks and slabs have joints of their own, a seam is a step
// found nowhere else. `reference` is a tile of the same surface alone,
// whose joints no object hides.
double seamExcess(const Pixels& upper, const Pixels& lower, double reference, int x0 = 0, int x1 = 36) {
    const double inside = std::max({largestInsideStep(upper, x0, x1), largestInsideStep(lower, x0, x1), reference});
    return rowStep(upper, 35, lower, 0, x0, x1) - (inside * 1.1 + 10);
}

// A tile repeated next to itself shows no seam.
TEST(TerrainTiles, RepeatWithoutSeams) {
    for (const auto& e : kTileCatalogue) {
        if (joinsNeighbours(e.feature)) continue;
        const Pixels t = tile(e.code), across = transposed(t);
        double down = 0, sideways = 0;
        for (const auto& plain : kTileCatalogue)
            if (plain.ground == e.ground && plain.feature == Feature::none) {
                down = largestInsideStep(tile(plain.code));
                sideways = largestInsideStep(transposed(tile(plain.code)));
            }
        EXPECT_LE(seamExcess(t, t, down), 0) << "top and bottom of " << e.code << " " << e.depicts;
        EXPECT_LE(seamExcess(across, across, sideways), 0) << "left and right of " << e.code << " " << e.depicts;
    }
}

bool roadAt(const Pixels& t, int x, int y) { return t.red(x, y) > t.green(x, y) + 8; }

// Road pieces meet at the middle of their edges with the same width.
TEST(TerrainTiles, RoadsJoinAtEdgeMiddles) {
    struct Ends {
        int code;
        bool north, south, east, west;
    };
    const Ends roads[] = {{67, false, false, true, true}, {68, true, true, false, false}, {69, false, true, true, false},
                          {70, false, true, false, true}, {71, true, false, true, false}, {72, true, false, false, true},
                          {73, true, true, true, true}};
    for (const Ends& r : roads) {
        const Pixels t = tile(r.code);
        const bool open[4] = {r.north, r.south, r.east, r.west};
        for (int side = 0; side < 4; ++side) {
            int road = 0;
            for (int i = 0; i < 36; ++i) {
                const int x = side == 2 ? 35 : side == 3 ? 0 : i, y = side == 0 ? 0 : side == 1 ? 35 : i;
                road += roadAt(t, x, y);
                if (open[side] && (i < 11 || i > 24)) {
                    EXPECT_FALSE(roadAt(t, x, y)) << r.code << " side " << side << " at " << i;
                }
            }
            if (open[side]) {
                EXPECT_GE(road, 12) << r.code << " side " << side;
            } else {
                EXPECT_EQ(road, 0) << r.code << " side " << side;
            }
        }
    }
}

// 37 over 38 over 40 is one tower: the walls line up across the joins.
TEST(TerrainTiles, TowerPartsStack) {
    const Pixels top = tile(37), middle = tile(38), base = tile(40);
    for (const auto& [upper, lower] : {std::pair{&top, &middle}, std::pair{&middle, &base}, std::pair{&middle, &middle}}) {
        EXPECT_LE(seamExcess(*upper, *lower, 0, 9, 27), 0);
        for (int x : {9, 26}) {
            EXPECT_LT(upper->luma(x, 35), 80) << "wall edge";
            EXPECT_LT(lower->luma(x, 0), 80) << "wall edge";
        }
    }
}

TEST(TerrainTiles, DungeonFillerIsTheDarkest) {
    auto mean = [](const Pixels& t) {
        long sum = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 36; ++x) sum += t.luma(x, y);
        return sum / (36 * 36);
    };
    const long filler = mean(tile(79));
    EXPECT_LT(filler, 25);
    for (const auto& e : kTileCatalogue)
        if (e.code != 79) {
            EXPECT_GT(mean(tile(e.code)), filler) << e.code;
        }
}

}  // namespace
}  // namespace assets_test
