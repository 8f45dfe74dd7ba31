#include <gtest/gtest.h>

#include "map_fixture.h"
#include "platform/keys.h"
#include "shell/vars.h"
#include "world/level_changes.h"
#include "world/map_view.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

using Zones = MapScreenTest;
using LevelChanges = MapScreenTest;

TEST_F(Zones, EveryCellOfEveryMapLiesInAZone) {
    for (int m = 0; m < 7; ++m)
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 150; ++y) ASSERT_NE(world::zoneAt(m, x, y, Vars::storyStage), nullptr) << m << " " << x << " " << y;
}

TEST_F(Zones, EnteringAZoneSetsItsGroupAndMusic) {
    // Two neighbouring cells of one map in zones with different music.
    std::optional<Cell> from;
    for (int m = 0; m < 7 && !from; ++m)
        for (int x = 0; x < 199 && !from; ++x)
            for (int y = 0; y < 150 && !from; ++y) {
                const world::Zone *a = world::zoneAt(m, x, y, Vars::storyStage), *b = world::zoneAt(m, x + 1, y, Vars::storyStage);
                if (a->track != b->track) from = Cell{m, x, y};
            }
    ASSERT_TRUE(from);
    const world::Zone& there = *world::zoneAt(from->map, from->x + 1, from->y, Vars::storyStage);
    place(from->map, from->x, from->y);
    open();
    EXPECT_EQ(Vars::musicTrack, world::zoneAt(from->map, from->x, from->y, Vars::storyStage)->track);
    h.audio.clear();
    walk(vk::Right);
    EXPECT_EQ(Vars::encounterGroup, there.group);
    EXPECT_EQ(Vars::musicTrack, there.track);
    EXPECT_EQ(Vars::areaTrack, there.track);
    EXPECT_EQ(h.audio.music(),
              (std::vector<std::string>{"close", "open:music/" + std::to_string(there.track) + ".mid", "play"}));
}

// After the volcano's fall the ways below the second continent change hands:
// the step into a zone takes its group from the story's stage.
TEST_F(Zones, TheGroupOfAPlaceFollowsTheStoryStage) {
    struct Case {
        int map, x, y, stage, group;
    };
    const Case cases[] = {
        {5, 120, 64, 897, 15}, {5, 120, 64, 898, 29},  // the great cave, east to the stairs
        {6, 90, 67, 897, 15},  {6, 90, 67, 899, 29},   // the long passage in the hold
        {6, 90, 67, 900, 31},  {5, 90, 60, 1, 29},     // where Maurice waits: the same at every stage
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.map) + ": " + std::to_string(c.x) + "," + std::to_string(c.y) + " at " +
                     std::to_string(c.stage));
        place(c.map, c.x - 1, c.y);
        Vars::storyStage = Vars::i16(c.stage);
        open();
        walk(vk::Right);
        EXPECT_EQ(Vars::encounterGroup, c.group);
        map().unload();
    }
}

TEST_F(LevelChanges, EachTileTakesThePartyToItsPlace) {
    for (const world::LevelChange& c : world::kLevelChanges) {
        SCOPED_TRACE(std::to_string(c.map) + ": " + std::to_string(c.x) + "," + std::to_string(c.y));
        place(c.map, world::wrapX(c.x - 1), c.y);
        setTerrain(c.x, c.y, c.tile);
        open();
        walk(vk::Right);
        EXPECT_EQ(Vars::curMap, c.toMap);
        EXPECT_EQ(Vars::posX, c.toX);
        EXPECT_EQ(Vars::posY, c.toY);
        EXPECT_EQ(Vars::encounterGroup, world::zoneAt(c.toMap, c.toX, c.toY, Vars::storyStage)->group);
        map().unload();
    }
}

TEST_F(LevelChanges, WithoutItsTileThePlaceIsPlainGround) {
    const world::LevelChange& c = world::kLevelChanges.front();
    place(c.map, world::wrapX(c.x - 1), c.y);
    setTerrain(c.x, c.y, walkableCode() == c.tile ? quietCode() : walkableCode());
    open();
    walk(vk::Right);
    EXPECT_EQ(Vars::curMap, c.map);
    EXPECT_EQ(Vars::posX, c.x);
}

}  // namespace
}  // namespace worldtest
