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
    Vars::heroEquip = {5, 6, 5, 5, 4};
    Vars::heroExp = 900;
    Vars::amulet = 9;
    Vars::rubies = 40;
    Vars::difficulty = 1;
    Vars::encounterGroup = 12;
    Vars::encounterSteps = 24;
    Vars::balloonX = Vars::balloonY = 7;
    Vars::balloonMap = 4;

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
    // The kit she keeps all game: long sword and chain mail; no shield, helmet or bracers.
    EXPECT_EQ(Vars::heroEquip, (std::array<Vars::u8, 5>{4, 3, 9, 9, 9}));
    EXPECT_EQ(Vars::heroExp, 0);
    EXPECT_EQ(Vars::heroNextExp, 8);
    EXPECT_EQ(Vars::amulet, 0);
    EXPECT_EQ(Vars::rubies, 0);
    EXPECT_EQ(Vars::difficulty, 0);
    EXPECT_EQ(Vars::encounterGroup + Vars::encounterSteps, 0);
    EXPECT_EQ(Vars::balloonX + Vars::balloonY + Vars::balloonMap, 0);
    EXPECT_EQ(Vars::heroItems, (std::array<Vars::u8, 4>{5, 0, 0, 0}));  // five herbs
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
