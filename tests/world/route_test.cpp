// The story route's tables against what the story asks of them: each scene
// once at its stage and on its map, the fixed groups on their maps, a route
// without dead ends, music that agrees with the scenes, and lines that fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cutscenes/scenes.h"
#include "platform/font.h"
#include "shell/vars.h"
#include "support/harness.h"
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

TEST(Route, EveryLaterSceneFiresOnceOnItsMap) {
    const auto scenes = scenesByStage();
    const std::vector<int> stages = {68,  121, 166, 190, 203, 259, 313, 320, 340, 344, 373, 417,
                                     424, 460, 500, 546, 648, 700, 738, 800, 896, 1000};
    std::vector<int> seen;
    for (const auto& [stage, p] : scenes) seen.push_back(stage);
    EXPECT_EQ(seen, stages);
    // 166 moves the hero on the map it fires on, onto the first continent's
    // shrine; the reunion is in the second continent's town; the end is below.
    EXPECT_EQ(scenes.find(166)->second.map, 0);
    EXPECT_EQ(scenes.find(896)->second.map, 4);
    EXPECT_EQ(scenes.find(1000)->second.map, 6);
}

TEST(Route, TheReunionAndTheEndAreBuiltAsTheStoryTellsThem) {
    const world::Trigger* reunion = world::triggerAt(4, {896}, 5, 18);
    ASSERT_NE(reunion, nullptr);
    EXPECT_EQ(world::triggerAt(4, {896}, 5, 17), nullptr);
    EXPECT_EQ(world::triggerAt(4, {896}, 6, 18), nullptr);
    EXPECT_EQ(reunion->actions[0].op, Op::scene);
    EXPECT_EQ(reunion->actions[1].op, Op::changeAlly);
    EXPECT_EQ(reunion->actions[2].op, Op::stage);
    EXPECT_EQ(reunion->actions[2].n, 898);

    const auto end = std::find_if(world::routeOf(6).begin(), world::routeOf(6).end(),
                                  [](const world::Trigger& t) { return t.stage == 999; });
    ASSERT_NE(end, world::routeOf(6).end());
    const std::vector<Op> ops = {Op::sayAndGo, Op::stage, Op::scene, Op::endGame};
    for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(end->actions[i].op, ops[i]) << i;
    EXPECT_EQ(end->actions[0].face, 54);
    EXPECT_EQ(end->actions[0].speaker, nullptr);  // the hero's own name
    EXPECT_EQ(end->actions[1].n, 1000);
}

TEST(Route, TheFixedGroupsFightOnTheirMaps) {
    std::map<int, std::multiset<int>> byMap;
    for (const Placed& p : allTriggers())
        for (const world::Action& a : p.trigger->actions)
            if (a.op == Op::fight) byMap[p.map].insert(a.n);
    std::multiset<int> map1 = {3, 8, 6, 6, 6, 25}, map2 = {9, 14, 6, 6, 6, 25};
    for (int g = 16; g <= 22; ++g) map1.insert(g);
    for (int g = 36; g <= 49; ++g) map2.insert(g);
    EXPECT_EQ(byMap[1], map1);
    EXPECT_EQ(byMap[2], map2);
    EXPECT_EQ(byMap[4], std::multiset<int>{25});
    EXPECT_EQ(byMap[5], std::multiset<int>{34});
    EXPECT_EQ(byMap[6], (std::multiset<int>{27, 35}));
    EXPECT_TRUE(byMap[0].empty());
    EXPECT_TRUE(byMap[3].empty());
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

// The guarded hall is the story's; the old dungeon's north passage a side
// quest that keeps its place in the line in its flag, at any stage.
TEST(Route, CorridorMonstersStandInTheirWayAndFallInOrder) {
    for (int m : {1, 2}) {
        std::vector<int> places;
        for (const world::Trigger& t : world::routeOf(m)) {
            if (t.monster.x < 0) continue;
            EXPECT_TRUE(t.area.holds(t.monster.x, t.monster.y));
            EXPECT_EQ(t.actions[0].op, Op::fight);
            EXPECT_EQ(t.actions[1].op, m == 1 ? Op::stage : Op::questStep);
            EXPECT_EQ(t.quest, m == 1 ? -1 : world::kNorthPassageQuest);
            places.push_back(t.stage);
        }
        ASSERT_EQ(places.size(), m == 1 ? 7u : 14u);
        for (std::size_t i = 1; i < places.size(); ++i) EXPECT_EQ(places[i], places[0] + int(i));
        // Drawn while waiting, gone once beaten.
        world::Progress at{m == 1 ? places[3] : 500};
        if (m == 2) at.quests[world::kNorthPassageQuest] = 3;
        int waiting = 0;
        world::forEachWaitingMonster(m, at, [&](const world::Figure&) { ++waiting; });
        EXPECT_EQ(waiting, int(places.size()) - 3);
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

// The track each scene's after-effect leaves playing, where it has one.
const std::map<int, int> kTrackAfter = {
    {68, 1},   {121, 0},  {166, 0},  {203, 0},  {259, 14}, {313, 9},  {320, 18}, {340, 18}, {344, 18},
    {373, 9},  {424, 19}, {460, 17}, {546, 23}, {648, 17}, {700, 14}, {738, 17}, {800, 25}, {896, 19}};

TEST_F(RouteInTheWorld, TheZonesPlayWhatEachSceneLeavesPlaying) {
    for (const auto& [stage, p] : scenesByStage()) {
        const auto track = kTrackAfter.find(stage);
        if (track == kTrackAfter.end()) continue;
        const world::Area& a = p.trigger->area;
        int walkable = 0;
        // The trigger's cells and the cells one step from them.
        for (int x = a.x0 - 1; x <= a.x1 + 1; ++x)
            for (int y = a.y0 - 1; y <= a.y1 + 1; ++y) {
                if (world::isBlocking(Vars::cell(x, y, 0, p.map))) continue;
                const bool inside = a.holds(x, y);
                walkable += inside;
                const world::Zone* z = world::zoneAt(p.map, x, y);
                ASSERT_NE(z, nullptr);
                EXPECT_EQ(z->track, track->second) << "stage " << stage << " at " << x << "," << y;
            }
        EXPECT_GT(walkable, 0) << "stage " << stage;
    }
    // Stage 166 leaves the hero on the shrine's doorstep.
    EXPECT_FALSE(world::isBlocking(Vars::cell(152, 130, 0, 0)));
    EXPECT_EQ(world::zoneAt(0, 152, 130)->track, 0);
}

TEST_F(RouteInTheWorld, NobodySlipsPastACorridorMonster) {
    for (int m : {1, 2})
        for (const world::Trigger& t : world::routeOf(m)) {
            if (t.monster.x < 0) continue;
            EXPECT_FALSE(world::isBlocking(Vars::cell(t.monster.x, t.monster.y, 0, m)));
            // Across the corridor, every open cell of the monster's row is its.
            for (int x = t.area.x0 - 3; x <= t.area.x1 + 3; ++x)
                if (!world::isBlocking(Vars::cell(x, t.area.y0, 0, m))) {
                    EXPECT_TRUE(t.area.holds(x, t.area.y0)) << "map " << m << " at " << x << "," << t.area.y0;
                }
        }
}

TEST_F(RouteInTheWorld, TheReunionDoorstepLiesBeforeAHouseInTown) {
    EXPECT_FALSE(world::isBlocking(Vars::cell(5, 18, 0, 4)));
    EXPECT_TRUE(world::isBlocking(Vars::cell(5, 17, 0, 4)));  // the house front
    EXPECT_EQ(world::zoneAt(4, 5, 18)->group, 0);            // no battles in town
}

// What each line that points by the compass claims: from where (the trigger,
// or the place the line names), which of the eight points, and to what. The
// point must be the nearest of the eight to the bearing on the map.
enum Compass { E, NE, N, NW, W, SW, S, SE };  // 45 degrees apart, turning from east to north
struct Pointing {
    int map, stage, fromX, fromY;
    Compass says;
    int toX, toY;
};
constexpr Pointing kPointings[] = {
    {0, 1, 161, 13, S, 169, 117},     // the village: the harbour town
    {0, 121, 150, 97, S, 152, 126},   // the highway: the shrine
    {0, 166, 152, 126, SE, 160, 137}, // the shrine: the ledge under the cliff
    {0, 190, 152, 126, NE, 169, 117}, // the shrine: the harbour town
    {0, 320, 95, 78, NW, 52, 56},     // the road by the river: the palace
    {0, 340, 60, 72, NW, 52, 60},     // the road through the wood: the palace gate
    {0, 344, 52, 55, E, 118, 62},     // the palace: the mountain cave
    {1, 373, 118, 65, SW, 60, 100},   // the mountain cave: the stairs down
    {4, 424, 120, 101, NW, 86, 60},   // the southern cave mouth: the father's town
    {4, 424, 40, 31, SE, 86, 60},     // the northern cave mouth: the father's town
    {4, 424, 86, 60, SE, 112, 114},   // the father's town: the town in the snow
    {4, 460, 112, 114, NW, 83, 92},   // the town in the snow: the tower's bridge
    {4, 546, 80, 85, E, 160, 92},     // the tower: the volcano
    {4, 648, 140, 75, S, 140, 86},    // the road: the volcano's foot
    {4, 738, 150, 92, NW, 127, 70},   // the crater road: the pass
    {4, 800, 127, 70, NW, 5, 18},     // the pass: the reunion's doorstep
    {4, 896, 5, 18, E, 40, 30},       // the doorstep: the northern cave mouth
    {5, 898, 90, 60, E, 170, 60},     // the great frozen cave: the stairs down
    {6, 899, 145, 67, S, 130, 115},   // the passage: the altar hall
};

TEST(Route, EveryCompassPointAgreesWithTheMap) {
    for (const Pointing& p : kPointings) {
        SCOPED_TRACE("map " + std::to_string(p.map) + " stage " + std::to_string(p.stage));
        bool speaks = false;
        for (const world::Trigger& t : world::routeOf(p.map))
            for (const world::Action& a : t.actions)
                if (t.stage == p.stage && (a.op == Op::say || a.op == Op::sayAndGo)) speaks = true;
        EXPECT_TRUE(speaks);
        const double degrees = 180 / std::acos(-1.0);
        const double bearing = std::atan2(p.fromY - p.toY, p.toX - p.fromX) * degrees;
        EXPECT_LE(std::abs(std::remainder(bearing - 45.0 * int(p.says), 360.0)), 22.5) << bearing;
    }
}

// Every talk-box line, with the longest name a hero can have.
std::vector<std::string> routeLines() {
    std::vector<std::string> lines;
    for (const Placed& p : allTriggers())
        for (const world::Action& a : p.trigger->actions)
            if (a.op == Op::say || a.op == Op::sayAndGo) lines.emplace_back(a.text);
    return lines;
}

std::set<std::string> sceneLines() {
    std::set<std::string> out;
    auto collect = [&](std::span<const cutscenes::Operation> ops) {
        for (const cutscenes::Operation& o : ops)
            if (o.op == cutscenes::Op::setLine) out.insert(std::string(o.text));
    };
    for (auto group : cutscenes::kSceneGroups)
        for (const cutscenes::SceneScript& s : group()) {
            collect(s.setUp);
            for (const cutscenes::SceneStep& step : s.steps) collect(step.operations());
        }
    return out;
}

TEST(Route, EveryLineFitsTheTalkBoxAndIsOurOwn) {
    const platform::Font font{.name = "Arial", .size = 11, .bold = false};
    constexpr int kWidth = 564, kHeight = 60;  // the talk box's line label
    const auto lines = routeLines();
    ASSERT_GE(lines.size(), 40u);
    const std::set<std::string> scenes = sceneLines();
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        const auto rows = platform::wrapText(font, line, kWidth);
        EXPECT_LE(int(rows.size()) * platform::lineHeight(font), kHeight) << line;
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            << line;
        EXPECT_TRUE(seen.insert(line).second) << "twice: " << line;
        EXPECT_FALSE(scenes.contains(line)) << "a scene says it already: " << line;
    }
}

}  // namespace
