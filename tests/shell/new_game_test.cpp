#include "shell/subs.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace {

using NewGame = harness::GameTest;

TEST_F(NewGame, ResetsTheHeroAndClearsTheRest) {
    Vars::heroName = "Zed";
    Vars::heroLevel = 33;
    Vars::storyStage = 640;
    Vars::heroItems = {5, 6, 7, 8};
    Vars::heroSpells = {3, 2, 1};
    Vars::questFlags[7] = 99;
    Vars::amuletsOwned[4] = 2;
    Vars::monsterPic[2] = 14;
    Vars::monsterName[1] = "Imp";
    Vars::noFlee = -1;
    Vars::allyHP = 3;
    Vars::allyMode = 6;
    Vars::mapData[12345] = 77;

    Subs::initNewGame();

    EXPECT_EQ(Vars::heroName, "Nina");
    EXPECT_EQ(Vars::heroLevel, 1);
    EXPECT_EQ(Vars::heroStr, 10);
    EXPECT_EQ(Vars::heroDex, 10);
    EXPECT_EQ(Vars::heroWis, 10);
    EXPECT_EQ(Vars::heroHP, 25);
    EXPECT_EQ(Vars::heroMaxHP, 25);
    EXPECT_EQ(Vars::heroMP, 14);
    EXPECT_EQ(Vars::heroMaxMP, 14);
    EXPECT_EQ(Vars::curMap, 0);
    EXPECT_EQ(Vars::posX, 11);
    EXPECT_EQ(Vars::posY, 20);
    EXPECT_EQ(Vars::storyStage, 0);
    EXPECT_EQ(Vars::heroItems, (std::array<Vars::u8, 4>{}));
    EXPECT_EQ(Vars::heroSpells, (std::array<Vars::u8, 3>{}));
    EXPECT_EQ(Vars::questFlags, (std::array<Vars::u8, 11>{}));
    EXPECT_EQ(Vars::amuletsOwned, (std::array<Vars::u8, 11>{}));
    EXPECT_EQ(Vars::monsterPic[2], 0);
    EXPECT_EQ(Vars::monsterName[1], "");
    EXPECT_EQ(Vars::noFlee, 0);
    // The first companion comes in at full health, and the world is kept.
    EXPECT_EQ(Vars::allyId, 18);
    EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
    EXPECT_EQ(Vars::allyMode, 2);  // Sofi mostly attacks
    EXPECT_EQ(Vars::mapData[12345], 77);
}

}  // namespace
