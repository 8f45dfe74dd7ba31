#include <gtest/gtest.h>

#include "map_fixture.h"
#include "platform/font.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

using MapScreen = MapScreenTest;

bool stepTimerRunning() {
    return static_cast<platform::Timer&>(harness::Harness::control("frmMap", "tmrMove")).enabled();
}

TEST_F(MapScreen, NewGameWakesAtItsPlace) {
    struct Case {
        int stage, wantStage, wantX, wantY;
    };
    for (Case c : {Case{0, 1, 162, 14}, Case{1, 1, 100, 75}, Case{500, 500, 100, 75}}) {
        SCOPED_TRACE(c.stage);
        place(0, 100, 75);
        Vars::storyStage = std::int16_t(c.stage);
        open();
        EXPECT_EQ(Vars::storyStage, c.wantStage);
        EXPECT_EQ(Vars::posX, c.wantX);
        EXPECT_EQ(Vars::posY, c.wantY);
        map().unload();
    }
}

TEST_F(MapScreen, WrapsAtAllFourEdges) {
    struct Case {
        int x, y, key, wantX, wantY, wantFacing;
    };
    const Case cases[] = {{0, 70, vk::Left, 199, 70, 0},
                          {199, 70, vk::Right, 0, 70, 2},
                          {100, 0, vk::Up, 100, 149, 1},
                          {100, 149, vk::Down, 100, 0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        place(0, c.x, c.y);
        open();
        walk(c.key);
        EXPECT_EQ(Vars::posX, c.wantX);
        EXPECT_EQ(Vars::posY, c.wantY);
        EXPECT_EQ(Vars::facing, c.wantFacing);
        map().unload();
    }
}

TEST_F(MapScreen, BlockingTerrainTurnsTheHeroButRefusesTheStep) {
    open();
    setTerrain(101, 75, blockingCode());
    h.scriptDraws({});
    h.audio.clear();
    press(vk::Right);
    EXPECT_EQ(Vars::posX, 100);
    EXPECT_EQ(Vars::facing, 2);
    EXPECT_TRUE(h.audio.effects().empty());
    EXPECT_FALSE(stepTimerRunning());
    EXPECT_TRUE(scriptRuns.empty());
    // The walking rule looks at the cell ahead, not the one the hero stands on.
    setTerrain(100, 75, blockingCode());
    h.seedDraws(1);
    press(vk::Left);
    EXPECT_EQ(Vars::posX, 99);
}

TEST_F(MapScreen, KeysWaitForTheStepTimer) {
    open();
    walk(vk::Right);
    ASSERT_EQ(Vars::posX, 101);
    press(vk::Right);
    EXPECT_EQ(Vars::posX, 101);
    h.advance(124);
    press(vk::Down);
    EXPECT_EQ(Vars::posX, 101);
    EXPECT_EQ(Vars::posY, 75);
    h.advance(1);
    press(vk::Down);
    EXPECT_EQ(Vars::posY, 76);
}

TEST_F(MapScreen, MovesOnlyWithTheConfiguredKeys) {
    Vars::keyRight = 'D';
    open();
    walk(vk::Right);
    EXPECT_EQ(Vars::posX, 100);
    walk('D');
    EXPECT_EQ(Vars::posX, 101);
    walk(vk::Space);
    EXPECT_EQ(Vars::posX, 101);
}

TEST_F(MapScreen, AStepPlaysAFootstepRunsTheScriptAndRedraws) {
    open();
    h.audio.clear();
    map().lblPot[0].Visible = false;
    walk(vk::Down);
    ASSERT_FALSE(h.audio.effects().empty());
    EXPECT_EQ(h.audio.effects().front().rfind("sound/snd", 0), 0u);
    EXPECT_EQ(scriptRuns, std::vector<int>{0});
    EXPECT_TRUE(stepTimerRunning());
    EXPECT_TRUE(statusShown());
}

TEST_F(MapScreen, PartyFallingInTheScriptClosesTheScreen) {
    struct Case {
        int heroHP, allyHP;  // after the script
        bool stays;
    };
    for (Case c : {Case{0, 20, false}, Case{20, 0, false}, Case{1, 1, true}}) {
        open();
        map().areaScripts[0] = [c] {
            Vars::heroHP = Vars::i16(c.heroHP);
            Vars::allyHP = Vars::i16(c.allyHP);
        };
        walk(vk::Down);
        EXPECT_EQ(map().isLoaded(), c.stays) << c.heroHP << " " << c.allyHP;
        if (map().isLoaded()) map().unload();
        Vars::heroHP = Vars::allyHP = 20;
    }
}

TEST_F(MapScreen, StatusLineNamesThePartyAndShowsTheHerosFace) {
    Vars::heroHP = 7;
    Vars::heroMP = 3;
    Vars::allyHP = 12;
    open();
    EXPECT_EQ(map().lblPot[0].Caption, "Nina   HP 7/25   MP 3/14        Sofi   HP 12/30");
    EXPECT_EQ(map().add[0].picture(), frmTileset::get().img[54]);
    EXPECT_NE(map().add[0].picture(), frmTileset::get().img[Vars::allyId]);
    EXPECT_TRUE(statusShown());
    Vars::statusLine = 0;
    map().redraw();
    EXPECT_FALSE(map().lblPot[0].Visible);
    EXPECT_FALSE(map().add[0].Visible);
}

// The black band behind the status line holds a whole drawn line: accents
// over capitals and the letters of the fallback faces stay inside it.
TEST_F(MapScreen, TheStatusBandHoldsItsFontsWholeHeight) {
    open();
    const platform::Label& status = map().lblPot[0];
    EXPECT_FALSE(status.Transparent);
    EXPECT_GE(int(status.Height), platform::drawnLineHeight(status.font));
}

TEST_F(MapScreen, OutdoorViewIsWholeAndWraps) {
    place(0, 3, 2);
    const int marked = quietCode();
    Vars::cell(193, 145, 0, 0) = std::uint8_t(marked);  // view cell (0, 0)
    Vars::cell(12, 9, 0, 0) = std::uint8_t(marked);     // view cell (19, 14)
    open();
    EXPECT_EQ(viewPixel(2, 2), terrainColour(marked));
    EXPECT_EQ(viewPixel(19 * 36 + 2, 14 * 36 + 2), terrainColour(marked));
    EXPECT_EQ(viewPixel(36 + 2, 2), terrainColour(walkableCode()));
}

TEST_F(MapScreen, UndergroundOnlySevenBySevenCellsAreLit) {
    for (int m : {1, 2, 3, 5, 6}) {
        SCOPED_TRACE(m);
        place(m, 50, 50);
        open();
        for (int i = 0; i < 20; ++i)
            for (int j = 0; j < 15; ++j) {
                const bool lit = i >= 7 && i <= 13 && j >= 4 && j <= 10;
                if (i == 10 && j == 7) continue;  // the hero
                EXPECT_EQ(viewPixel(i * 36 + 2, j * 36 + 2),
                          terrainColour(lit ? walkableCode() : 79))
                    << i << "," << j;
            }
        map().unload();
    }
}

TEST_F(MapScreen, HeroAndChestsAreDrawnThroughTheirMasks) {
    struct Case {
        int key, facing, sprite;
    };
    setObject(101, 76, 3);
    open();
    const int left = 10 * 36 + 2, right = 10 * 36 + 30, top = 7 * 36 + 2;
    for (Case c : {Case{vk::Left, 0, 94}, Case{vk::Up, 1, 82}, Case{vk::Right, 2, 88},
                   Case{vk::Down, 3, 100}}) {
        // Facing a wall turns the hero where it stands.
        setTerrain(100 + (c.facing == 2) - (c.facing == 0), 75 + (c.facing == 3) - (c.facing == 1),
                   blockingCode());
        walk(c.key);
        EXPECT_EQ(Vars::facing, c.facing);
        EXPECT_EQ(viewPixel(left, top), terrainColour(walkableCode()));
        EXPECT_EQ(viewPixel(right, top), spriteColour(c.sprite));
    }
    EXPECT_EQ(viewPixel(11 * 36 + 2, 8 * 36 + 2), terrainColour(walkableCode()));
    EXPECT_EQ(viewPixel(11 * 36 + 30, 8 * 36 + 2), spriteColour(81));
}

TEST_F(MapScreen, TerrainWithoutAPictureShowsAsDarkness) {
    Vars::cell(101, 75, 0, 0) = 200;
    open();
    EXPECT_EQ(viewPixel(11 * 36 + 2, 7 * 36 + 2), terrainColour(79));
}

}  // namespace
}  // namespace worldtest
