// The route's interpreter on the map screen: fixed battles that are lost or
// fled come back and won ones do not, a waiting monster is drawn until beaten,
// and a line with more to follow waits for OK.
#include <gtest/gtest.h>

#include "battle/formations.h"
#include "map_fixture.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

// The first monster of the guarded hall under the shrine cave.
constexpr int kGuardX = 150, kGuardY = 121, kGuardStage = 261, kGuardGroup = 16;

class RouteFights : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        map().areaScripts[1] = [] { frmMap::get().map1Events(); };
        place(1, kGuardX, kGuardY + 1);
        Vars::storyStage = kGuardStage;
        open();
    }
    // Steps onto the monster's cell and back off it.
    void meetTheGuard() {
        walk(vk::Up);
        if (map().isLoaded()) walk(vk::Down);
    }
};

TEST_F(RouteFights, AWonFightMovesTheStoryOnAndIsGone) {
    // Won by a hair: one hit point each is still a win.
    duringBattle = [] { Vars::heroHP = Vars::allyHP = 1; };
    meetTheGuard();
    EXPECT_TRUE(map().isLoaded());
    EXPECT_EQ(battleGroups, std::vector<int>{kGuardGroup});
    EXPECT_EQ(Vars::storyStage, kGuardStage + 1);
    meetTheGuard();
    EXPECT_EQ(battleGroups.size(), 1u);
}

TEST_F(RouteFights, AFledFightComesBack) {
    // Flight leaves five in the counter; the group of the zone comes back.
    const int zoneGroup = Vars::encounterGroup;
    duringBattle = [] { Vars::encounterSteps = 5; };
    meetTheGuard();
    EXPECT_EQ(Vars::storyStage, kGuardStage);
    EXPECT_EQ(Vars::encounterGroup, zoneGroup);
    EXPECT_EQ(Vars::encounterSteps, 0);
    duringBattle = nullptr;
    meetTheGuard();
    EXPECT_EQ(battleGroups, (std::vector<int>{kGuardGroup, kGuardGroup}));
    EXPECT_EQ(Vars::storyStage, kGuardStage + 1);
}

// A lost battle leaves the hero or the companion fallen, and may unload the
// map screen itself: the step stops there, and the next game meets the
// monster again.
TEST_F(RouteFights, ALostFightComesBackInTheNextGame) {
    for (Vars::i16* fallen : {&Vars::heroHP, &Vars::allyHP})
        for (bool unloads : {false, true}) {
            duringBattle = [fallen, unloads] {
                *fallen = 0;
                if (unloads) frmMap::get().unload();
            };
            walk(vk::Up);
            EXPECT_FALSE(map().isLoaded());
            EXPECT_EQ(Vars::storyStage, kGuardStage);
            Vars::heroHP = Vars::allyHP = 20;
            place(1, kGuardX, kGuardY + 1);
            open();
        }
    duringBattle = nullptr;
    meetTheGuard();
    EXPECT_EQ(battleGroups, std::vector<int>(5, kGuardGroup));
    EXPECT_EQ(Vars::storyStage, kGuardStage + 1);
}

TEST_F(RouteFights, AWaitingMonsterIsDrawnOnItsCellUntilBeaten) {
    const int picture = battle::fixedGroupPicture(kGuardGroup);
    ASSERT_GT(picture, 0);
    const std::uint32_t colour = 0xFF13579B;
    frmTileset::get().imgEnemy.put(picture, platform::MakePicture(36, 36, colour));
    // Underground it shows only within three cells of the hero.
    const int px = 10 * 36 + 18;
    place(1, kGuardX, kGuardY + 3);
    map().redraw();
    EXPECT_EQ(viewPixel(px, 4 * 36 + 18), colour);
    place(1, kGuardX, kGuardY + 4);
    map().redraw();
    EXPECT_NE(viewPixel(px, 3 * 36 + 18), colour);
    // One cell above the hero, in the middle of the view, until beaten.
    const int py = 6 * 36 + 18;
    place(1, kGuardX, kGuardY + 1);
    map().redraw();
    EXPECT_EQ(viewPixel(px, py), colour);
    meetTheGuard();
    EXPECT_EQ(viewPixel(px, py), terrainColour(walkableCode()));
}

// The old dungeon's north passage: a side quest whose monsters stand one every
// other row up from (56, 95), fought in order at any stage, its place in the
// line kept in its flag; the way on no longer runs through it.
TEST_F(RouteFights, TheNorthPassageFallsInOrderWhateverTheStory) {
    map().areaScripts[2] = [] { frmMap::get().map2Events(); };
    const std::uint8_t& place = Vars::questFlags[0];  // the passage's byte of a saved game
    Vars::storyStage = 700;
    map().unload();
    this->place(2, 56, 86);
    for (int y = 60; y <= 100; ++y) setTerrain(56, y, quietCode());
    open();
    walk(vk::Up);  // onto the sixth of the line: not its turn yet
    EXPECT_TRUE(battleGroups.empty());
    // From the foot, in order, one every other row.
    this->place(2, 56, 96);
    for (int y = 95; y >= 68; --y) walk(vk::Up);
    std::vector<int> groups;
    for (int g = 36; g <= 49; ++g) groups.push_back(g);
    EXPECT_EQ(battleGroups, groups);
    EXPECT_EQ(place, 99);  // a finished quest
    EXPECT_EQ(Vars::storyStage, 700);
}

TEST_F(RouteFights, AGameSavedInTheNorthPassageGoesOnEast) {
    map().areaScripts[2] = [] { frmMap::get().map2Events(); };
    Vars::storyStage = 385;  // the passage was the way on when it was saved
    map().unload();
    place(2, 76, 68);
    open();
    walk(vk::Up);
    EXPECT_EQ(battleGroups, std::vector<int>{9});
    EXPECT_EQ(Vars::storyStage, 393);
    EXPECT_EQ(Vars::questFlags[0], 0);
}

TEST_F(RouteFights, ALineWithMoreToFollowWaitsForOK) {
    // The shrine: the scene sends the hero to the doorstep, then three lines and a rest.
    frmTileset& store = frmTileset::get();
    for (int i = 0; i <= 12; ++i) {
        store.battle.put(i, platform::MakePicture(8, 8, 0xFF000000));
        store.pic.put(i, platform::MakePicture(8, 8, 0xFF000000));
    }
    h.onShow("frmCutscene", [](platform::Form& f) { f.unload(); });
    map().areaScripts[0] = [] { frmMap::get().map0Events(); };
    place(0, 144, 112);
    Vars::storyStage = 166;
    map().unload();
    open();
    walk(vk::Down);
    EXPECT_EQ(Vars::storyStage, 190);
    auto& speaker = static_cast<platform::Label&>(h.control("frmMap", "lblSpeaker"));
    ASSERT_TRUE(map().talkShown());
    EXPECT_EQ(speaker.Caption, "Monk");
    EXPECT_EQ(Vars::talkChain, -1);
    press(Vars::keySelect);
    ASSERT_TRUE(map().talkShown());
    EXPECT_EQ(speaker.Caption, "Jack");  // the companion who just joined
    EXPECT_EQ(Vars::portraitId, 51);
    // Then the monks' rest: its line waits, and OK refills the party.
    Vars::heroHP = 3;
    Vars::heroMP = 0;
    Vars::allyHP = 1;
    press(Vars::keySelect);
    ASSERT_TRUE(map().talkShown());
    EXPECT_EQ(speaker.Caption, "Monk");
    EXPECT_EQ(Vars::talkChain, -1);
    EXPECT_EQ(Vars::heroHP, 3);
    press(Vars::keySelect);
    EXPECT_FALSE(map().talkShown());
    EXPECT_EQ(Vars::heroHP, Vars::heroMaxHP);
    EXPECT_EQ(Vars::heroMP, Vars::heroMaxMP);
    EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
    walk(vk::Down);
    EXPECT_EQ(Vars::posY, 131);
    EXPECT_FALSE(map().talkShown());  // the trigger has passed
}

}  // namespace
}  // namespace worldtest
