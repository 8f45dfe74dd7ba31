// The world the generator ships: every map, level change and chest can be
// reached on foot from where a new game starts.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <set>
#include <vector>

#include "shell/vars.h"
#include "support/harness.h"
#include "world/chests.h"
#include "world/level_changes.h"
#include "world/map_files.h"
#include "world/map_view.h"
#include "world/terrain.h"

namespace {

struct Place {
    int map, x, y;
};

constexpr Place kStart{0, 162, 14};

class DefaultWorld : public harness::HarnessTest {
protected:
    void SetUp() override {
        h.linkAssets();
        world::loadAllMaps();
        walk();
    }

    std::uint8_t terrain(const Place& p) const { return Vars::cell(p.x, p.y, 0, p.map); }
    bool reached(const Place& p) const { return seen_[Vars::mapIndex(p.x, p.y, 0, p.map)]; }

    // Every cell the hero can stand on, by the walking rule, the wrapping
    // edges and the level changes.
    void walk() {
        seen_.assign(Vars::kMapCells, false);
        std::deque<Place> todo{kStart};
        seen_[Vars::mapIndex(kStart.x, kStart.y, 0, kStart.map)] = true;
        while (!todo.empty()) {
            const Place p = todo.front();
            todo.pop_front();
            constexpr int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
            for (int d = 0; d < 4; ++d) {
                Place next{p.map, world::wrapX(p.x + dx[d]), world::wrapY(p.y + dy[d])};
                if (world::isBlocking(terrain(next))) continue;
                const world::LevelChange* c = world::levelChangeAt(next.map, next.x, next.y);
                if (c && c->tile == terrain(next)) {
                    usedChanges_.insert(c);
                    next = {c->toMap, c->toX, c->toY};
                }
                const std::size_t i = Vars::mapIndex(next.x, next.y, 0, next.map);
                if (seen_[i]) continue;
                seen_[i] = true;
                todo.push_back(next);
            }
        }
    }

    std::vector<bool> seen_;
    std::set<const world::LevelChange*> usedChanges_;
};

TEST_F(DefaultWorld, EveryLevelChangeLiesOnItsTileAndIsReached) {
    for (const world::LevelChange& c : world::kLevelChanges) {
        SCOPED_TRACE(std::to_string(c.map) + ": " + std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(terrain({c.map, c.x, c.y}), c.tile);
        EXPECT_FALSE(world::isBlocking(c.tile));
        EXPECT_FALSE(world::isBlocking(terrain({c.toMap, c.toX, c.toY})));
        EXPECT_EQ(world::levelChangeAt(c.toMap, c.toX, c.toY), nullptr);  // arriving goes no further
        EXPECT_TRUE(usedChanges_.count(&c));
    }
}

TEST_F(DefaultWorld, EveryMapIsReachedOnFoot) {
    for (int m = 0; m < world::kMapCount; ++m) {
        bool any = false;
        for (int x = 0; x < 200 && !any; ++x)
            for (int y = 0; y < 150 && !any; ++y) any = reached({m, x, y});
        EXPECT_TRUE(any) << "map " << m;
    }
}

TEST_F(DefaultWorld, ChestsOfEveryCodeLieWhereTheHeroCanReachThem) {
    std::set<int> codes;
    std::array<int, world::kMapCount> best{};
    for (int m = 0; m < world::kMapCount; ++m)
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 150; ++y) {
                const int code = Vars::cell(x, y, 1, m);
                if (code == 0) continue;
                codes.insert(code);
                EXPECT_LE(code, world::kEmptyChest);
                EXPECT_TRUE(reached({m, x, y})) << "chest on map " << m << " at " << x << "," << y;
                EXPECT_EQ(world::levelChangeAt(m, x, y), nullptr);
                if (code <= 4) best[m] = std::max(best[m], code);
            }
    for (int code = 1; code <= world::kEmptyChest; ++code) EXPECT_TRUE(codes.count(code)) << code;
    // Deeper is richer: the best money chest of a level beats the surface's.
    for (int m : {1, 2, 3}) EXPECT_GT(best[m], best[0]) << m;
    for (int m : {5, 6}) EXPECT_GT(best[m], best[4]) << m;
}

}  // namespace
