// The story route's tables against what the story asks of them: a route
// without dead ends, rests and corridor monsters that work, music that agrees
// with the scenes, and lines that fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cutscenes/scenes.h"
#include "cutscenes/story_lines.h"
#include "shell/vars.h"
#include "support/harness.h"
#include "support/story_walk.h"
#include "world/map_files.h"
#include "world/route.h"
#include "world/terrain.h"
#include "world/zones.h"

namespace {

using world::Op;

struct Placed {
    int map;
    const world::Trigger* trigger;
};

std::vector<Placed> allTriggers() {
    std::vector<Placed> out;
    for (int m = 0; m < 7; ++m)
        for (const world::Trigger& t : world::routeOf(m)) out.push_back({m, &t});
    return out;
}

// The stage at which each scene of a trigger plays, and the map.
std::multimap<int, Placed> scenesByStage() {
    std::multimap<int, Placed> out;
    for (const Placed& p : allTriggers()) {
        int stage = p.trigger->stage;
        for (const world::Action& a : p.trigger->actions) {
            if (a.op == Op::stage) stage = a.n;
            if (a.op == Op::scene) out.insert({stage, p});
        }
    }
    return out;
}

TEST(Route, TheStoryOnlyMovesForwardAndEveryStageLeadsSomewhere) {
    std::set<int> live;
    for (const Placed& p : allTriggers()) {
        if (p.trigger->quest >= 0) continue;  // a side quest's places are no stages
        live.insert(p.trigger->stage);
        for (int s = p.trigger->stage + 1; s <= p.trigger->lastStage; ++s) live.insert(s);
    }
    EXPECT_TRUE(live.contains(1));
    for (const Placed& p : allTriggers()) {
        int stage = p.trigger->stage;
        for (const world::Action& a : p.trigger->actions) {
            if (a.op != Op::stage) continue;
            EXPECT_GT(a.n, stage) << "map " << p.map << " stage " << p.trigger->stage;
            stage = a.n;
        }
        if (stage != p.trigger->stage && stage != 1000) {
            EXPECT_TRUE(live.contains(stage)) << "nothing happens at stage " << stage;
        }
    }
}

// A rest the party may come back to is live from its first stage through its
// last, and neither before nor after; a story trigger only at its own stage.
TEST(Route, ARestIsLiveThroughItsStagesOnly) {
    struct Case {
        int map, x, y, stage;
        bool live;
    };
    const Case cases[] = {
        {0, 170, 117, 258, false}, {0, 170, 117, 259, true}, {0, 170, 117, 300, true},
        {0, 170, 117, 340, true},  {0, 170, 117, 341, false}, {0, 164, 116, 203, true},
        {0, 164, 116, 204, false}, {0, 164, 116, 202, false},
        // The soldier on the cell where the party comes down into the shrine
        // cave, through the guarded hall; the spring on the pass road; the
        // hold's guardroom through its last fights.
        {1, 141, 125, 259, false}, {1, 141, 125, 260, true},  {1, 141, 125, 267, true},
        {1, 141, 125, 268, false}, {4, 110, 67, 800, false},  {4, 110, 67, 801, true},
        {4, 110, 67, 803, true},   {4, 110, 67, 804, false},  {6, 103, 109, 899, false},
        {6, 103, 109, 900, true},  {6, 103, 109, 903, true},  {6, 103, 109, 904, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(world::triggerAt(c.map, {c.stage}, c.x, c.y) != nullptr, c.live)
            << c.x << "," << c.y << " at stage " << c.stage;
    }
    // Every rest ends in the refill, after a line that waits for OK.
    for (const Placed& p : allTriggers()) {
        const auto& a = p.trigger->actions;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i].op != Op::refillParty) continue;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(a[i - 1].op, Op::say) << "map " << p.map << " stage " << p.trigger->stage;
            EXPECT_TRUE(i + 1 == a.size() || a[i + 1].op == Op::none);
        }
    }
}

class RouteInTheWorld : public harness::HarnessTest {
protected:
    void SetUp() override {
        h.linkAssets();
        world::loadAllMaps();
    }
};

// The track a scene's after-effect leaves playing, if it has one.
std::optional<int> trackAfter(int stage) {
    for (const cutscenes::Operation& o : cutscenes::findScene(std::int16_t(stage))->afterEffects)
        if (o.op == cutscenes::Op::playTrack) return o.a;
    return std::nullopt;
}

TEST_F(RouteInTheWorld, TheZonesPlayWhatEachSceneLeavesPlaying) {
    for (const auto& [stage, p] : scenesByStage()) {
        const std::optional<int> track = trackAfter(stage);
        if (!track) continue;
        const world::Area& a = p.trigger->area;
        int walkable = 0;
        // The trigger's cells and the cells one step from them.
        for (int x = a.x0 - 1; x <= a.x1 + 1; ++x)
            for (int y = a.y0 - 1; y <= a.y1 + 1; ++y) {
                if (world::isBlocking(Vars::cell(x, y, 0, p.map))) continue;
                const bool inside = a.holds(x, y);
                walkable += inside;
                const world::Zone* z = world::zoneAt(p.map, x, y, Vars::storyStage);
                ASSERT_NE(z, nullptr);
                EXPECT_EQ(z->track, *track) << "stage " << stage << " at " << x << "," << y;
            }
        EXPECT_GT(walkable, 0) << "stage " << stage;
    }
    // Stage 166 leaves the hero on the shrine's doorstep.
    EXPECT_FALSE(world::isBlocking(Vars::cell(152, 130, 0, 0)));
    EXPECT_EQ(world::zoneAt(0, 152, 130, Vars::storyStage)->track, 0);
}

// Before every fixed fight that is a step up on what came just before it,
// a rest is live a short walk away, so a party worn by the way can come to
// it fresh; the rest's own cell is never the fight's.
TEST_F(RouteInTheWorld, EveryStepUpHasARestAShortWalkAway) {
    struct StepUp {
        const char* what;
        int map, stage;
    };
    const StepUp stepUps[] = {
        {"the foot of the guarded hall", 1, 261}, {"half-way up the hall", 1, 264},
        {"the Demon in the great cave", 1, 376},  {"the Chimeras", 2, 393},
        {"the Demons on the pass road", 4, 801},  {"Maurice", 5, 898},
        {"the hold's Golems", 6, 899},            {"the last hall", 6, 903},
    };
    constexpr std::size_t kShortWalk = 40;  // steps, a few seconds of walking
    for (const StepUp& s : stepUps) {
        SCOPED_TRACE(s.what);
        const world::Trigger* fight = nullptr;
        for (const world::Trigger& t : world::routeOf(s.map))
            if (t.stage == s.stage && t.quest < 0 && t.actions[0].op == Op::fight) fight = &t;
        ASSERT_NE(fight, nullptr);
        Vars::storyStage = Vars::i16(s.stage);
        Vars::curMap = Vars::u8(s.map);
        // From the fight's first open cell.
        for (int y = fight->area.y1; y >= fight->area.y0; --y)
            for (int x = fight->area.x1; x >= fight->area.x0; --x)
                if (!world::isBlocking(Vars::cell(x, y, 0, s.map))) {
                    Vars::posX = Vars::i16(x);
                    Vars::posY = Vars::i16(y);
                }
        const std::vector<storywalk::Move> path = storywalk::pathTo(storywalk::restAt);
        ASSERT_FALSE(path.empty());
        EXPECT_LE(path.size(), kShortWalk);
        EXPECT_EQ(path.back().to.map, s.map);
    }
}

// The guarded hall is the story's; the old dungeon's north passage a side
// quest that keeps its place in the line in its flag, at any stage. Each
// monster stands across its corridor, drawn while waiting, gone once beaten.
TEST_F(RouteInTheWorld, CorridorMonstersBarTheirWayAndFallInOrder) {
    for (int m : {1, 2}) {
        std::vector<int> places;
        for (const world::Trigger& t : world::routeOf(m)) {
            if (t.monster.x < 0) continue;
            EXPECT_TRUE(t.area.holds(t.monster.x, t.monster.y));
            EXPECT_EQ(t.actions[0].op, Op::fight);
            EXPECT_EQ(t.actions[1].op, m == 1 ? Op::stage : Op::questStep);
            EXPECT_EQ(t.quest, m == 1 ? -1 : world::kNorthPassageQuest);
            places.push_back(t.stage);
            EXPECT_FALSE(world::isBlocking(Vars::cell(t.monster.x, t.monster.y, 0, m)));
            // Across the corridor, every open cell of the monster's row is its.
            for (int x = t.area.x0 - 3; x <= t.area.x1 + 3; ++x)
                if (!world::isBlocking(Vars::cell(x, t.area.y0, 0, m))) {
                    EXPECT_TRUE(t.area.holds(x, t.area.y0)) << "map " << m << " at " << x << "," << t.area.y0;
                }
        }
        ASSERT_EQ(places.size(), m == 1 ? 7u : 14u);
        for (std::size_t i = 1; i < places.size(); ++i) EXPECT_EQ(places[i], places[0] + int(i));
        world::Progress at{m == 1 ? places[3] : 500};
        if (m == 2) at.quests[world::kNorthPassageQuest] = 3;
        int waiting = 0;
        world::forEachWaitingMonster(m, at, [&](const world::Figure&) { ++waiting; });
        EXPECT_EQ(waiting, int(places.size()) - 3);
    }
}

// The Demons on the road to the pass stand in the open: drawn only from the
// volcano's fall, one band fewer after each fight; the hold's last guards
// only once Maurice has fallen.
TEST(Route, LateMonstersShowOnlyFromTheirTime) {
    struct Case {
        int map, stage, waiting;
    };
    const Case cases[] = {{4, 799, 0}, {4, 800, 3}, {4, 801, 3}, {4, 802, 2}, {4, 803, 1}, {4, 804, 0},
                          {6, 898, 0}, {6, 899, 3}, {6, 901, 2}, {6, 903, 0}};
    for (const Case& c : cases) {
        int waiting = 0;
        world::forEachWaitingMonster(c.map, {c.stage}, [&](const world::Figure&) { ++waiting; });
        EXPECT_EQ(waiting, c.waiting) << "map " << c.map << " stage " << c.stage;
    }
}

// Every talk-box line.
std::vector<std::string> routeLines() {
    std::vector<std::string> lines;
    for (const Placed& p : allTriggers())
        for (const world::Action& a : p.trigger->actions)
            if (a.op == Op::say || a.op == Op::sayAndGo) lines.emplace_back(a.text);
    return lines;
}

TEST(Route, EveryLineFitsTheTalkBoxAndIsOurOwn) {
    const auto lines = routeLines();
    ASSERT_GE(lines.size(), 40u);
    // The talk box's line label: 564 x 60 pixels.
    storylines::expectFit(lines, platform::Font{.name = "Arial", .size = 11, .bold = false}, 564, 60);
    const auto sceneLines = storylines::sceneLines("");
    const std::set<std::string> scenes(sceneLines.begin(), sceneLines.end());
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        EXPECT_TRUE(seen.insert(line).second) << "twice: " << line;
        EXPECT_FALSE(scenes.contains(line)) << "a scene says it already: " << line;
    }
}

}  // namespace
