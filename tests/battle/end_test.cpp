// Victory, flight and defeat, and three whole battles from the encounter to
// its return.
#include "battle/encounter.h"
#include "battle_test.h"
#include "platform/keys.h"
#include "shell/frmtitle.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace battletest {
namespace {

class EndTest : public BattleTest {
protected:
    void open(int s0, int s1, int s2) {
        monsters(s0, s1, s2);
        openFight();
        for (int s = 0; s < 3; ++s) f.tmrEnemy[s].setEnabled(false);
    }
};

TEST_F(EndTest, VictoryPaysTheRewardsWithTheAmuletsAndTheCap) {
    struct Case {
        int amulet;
        double rubiesBefore;
        double rubiesAfter;
        double exp;
        std::string talk;
    };
    const Case cases[] = {
        {0, 100, 160, 25, "You have won the battle!  Your party gains 60 rubies and 25 experience!"},
        {3, 100, 190, 25, "You have won the battle!  Your party gains 90 rubies and 25 experience!"},
        {3, 9950, 9999, 25, "You have won the battle!  Your party gains 90 rubies and 25 experience!"},
        {7, 0, 60, 31, "You have won the battle!  Your party gains 60 rubies and 31 experience!"},
    };
    for (const Case& c : cases) {
        Vars::amulet = std::uint8_t(c.amulet);
        Vars::rubies = c.rubiesBefore;
        Vars::heroExp = 0;
        open(3, 3, 5);
        Vars::monsterRubies = {10, 20, 30};
        Vars::monsterExp = {5, 10, 10};
        Vars::monsterHP = {0, -4, 0};
        for (int i = 0; i < 5; ++i) f.tmrSupport[i].setEnabled(true);
        f.checkVictory();
        for (int i = 0; i < 5; ++i) EXPECT_FALSE(f.tmrSupport[i].enabled());
        EXPECT_FALSE(f.tmrHero->enabled());
        EXPECT_EQ(Vars::rubies, c.rubiesAfter);
        EXPECT_EQ(Vars::heroExp, c.exp);
        EXPECT_EQ(lastTalk(), c.talk);
        EXPECT_TRUE(f.tmrEnemyDead->enabled());
        EXPECT_FALSE(f.tmrHero2->enabled());
        EXPECT_FALSE(f.imgMonster[1].Visible);
        EXPECT_EQ(f.lbl3[0].ForeColor, 0xFFFFFFu);
        h.advance(4999);
        EXPECT_TRUE(f.isLoaded());
        EXPECT_EQ(f.lblTalk->Caption, c.talk);
        h.advance(1);
        EXPECT_FALSE(f.isLoaded());
    }
}

TEST_F(EndTest, OnceTheEndHasBegunGaugesClicksKeysAndHoverDoNothing) {
    for (const char* ending : {"tmrEnemyDead", "tmrFlee", "tmrHeroDead"}) {
        SCOPED_TRACE(ending);
        open(3, 3, 0);
        f.tmrHero->setEnabled(false);  // the hero's turn is waiting
        f.menuCursor = 2;
        f.speed[2].setValue(5);
        f.speed[7].setValue(9);
        static_cast<platform::Timer&>(h.control("frmFight", ending)).setEnabled(true);
        f.tmrHero_Timer();
        f.tmrHero2_Timer();
        EXPECT_EQ(f.speed[2].value(), 5);
        EXPECT_EQ(f.speed[7].value(), 9);
        f.lbl3_Click(1);  // Defend
        EXPECT_EQ(f.defenseFigure(0), 0);
        EXPECT_FALSE(f.tmrHero->enabled());
        h.keyNow(platform::vk::Down);
        f.lbl3_MouseMove(4);
        EXPECT_EQ(f.menuCursor, 2);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(f.lbl3[i].ForeColor, 0xFFFFFFu);
        f.unload();
    }
}

TEST_F(EndTest, ADeadMonsterVanishesAndFallsSilentWhileOthersFightOn) {
    open(3, 3, 0);
    f.tmrEnemy[0].setEnabled(true);
    Vars::monsterHP[0] = 0;
    f.checkVictory();
    EXPECT_FALSE(f.imgMonster[0].Visible);
    EXPECT_FALSE(f.tmrEnemy[0].enabled());
    EXPECT_TRUE(f.imgMonster[1].Visible);
    EXPECT_FALSE(f.tmrEnemyDead->enabled());
}

TEST_F(EndTest, TheAllysLastBlowWinsTheBattle) {
    Vars::allyMode = 0;
    Vars::allyStr = 100;
    open(0, 0, 1);
    f.speed[7].setValue(9);
    h.scriptDraws({{1, 3, 3}, {1, 100, 1}, {2, 6, 6}, {1, 100, 100}, {1, 11, 5}});
    f.tmrHero2_Timer();
    EXPECT_EQ(lastTalk(), "You have won the battle!  Your party gains 0 rubies and 1 experience!");
}

TEST_F(EndTest, FleeingDependsOnBothDexteritiesAndIsRefusedInFixedFights) {
    struct Case {
        int heroDex, allyDex, draw;
        bool escaped;
    };
    const Case cases[] = {{10, 10, 45, false}, {10, 10, 46, true}, {100, 100, 1, true}, {40, 20, 34, false},
                          {40, 20, 35, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("draw " + std::to_string(c.draw));
        Vars::heroDex = std::uint8_t(c.heroDex);
        Vars::allyDex = std::uint8_t(c.allyDex);
        Vars::encounterSteps = 20;
        Vars::soundOn = 1;
        open(3, 3, 0);
        f.tmrEnemy[0].setEnabled(true);
        f.tmrHero->setEnabled(false);
        h.scriptDraws({{1, 100, c.draw}});
        h.audio.clear();
        f.lbl3_Click(4);
        if (c.escaped) {
            EXPECT_EQ(lastTalk(), "You have ran away . . .");
            EXPECT_EQ(Vars::encounterSteps, 5);
            EXPECT_FALSE(f.tmrEnemy[0].enabled());
            EXPECT_EQ(effects(), (std::vector<std::string>{"sound/snd10.snd"}));
            h.advance(5000);
            EXPECT_FALSE(f.isLoaded());
        } else {
            EXPECT_EQ(lastTalk(), "The enemy has caught you . . .");
            EXPECT_TRUE(f.tmrHero->enabled());
            EXPECT_EQ(Vars::encounterSteps, 20);
            for (int i = 0; i < 5; ++i) EXPECT_EQ(f.lbl3[i].ForeColor, 0xFFFFFFu);
            f.unload();
        }
    }
    Vars::noFlee = -1;
    open(3, 3, 0);
    f.tmrHero->setEnabled(false);
    f.lbl3_Click(4);
    EXPECT_EQ(lastTalk(), "You can't run away.");
    EXPECT_FALSE(f.tmrHero->enabled());
    EXPECT_FALSE(f.tmrFlee->enabled());
}

TEST_F(EndTest, ABattleWithoutMonstersEndsAsAVictoryAtTheFirstPartyAction) {
    Vars::autoBattle = 1;
    h.scriptDraws({});
    Subs::startEncounter();  // returns: no hang
    EXPECT_EQ(talk, (std::vector<std::string>{"You have won the battle!  Your party gains 0 rubies and 0 experience!"}));
    EXPECT_EQ(h.now(), 1000u + 7510 + 5000);

    monsters(0, 0, 0);
    openFight();
    f.allyAttack();
    f.allySpell();
    EXPECT_TRUE(talk.empty());
}

// Whole battles, run modally from the encounter to its return.
class WholeBattleTest : public EndTest {
protected:
    WholeBattleTest() {
        Vars::heroDex = 100;  // the hero's gauge is full after 3010 ms
        Vars::heroStr = 100;
        Vars::heroEquip[0] = 5;
        Vars::soundOn = 1;
        frmMap::get().load();  // its zone may set the music: the test's track comes after
        Vars::musicTrack = Vars::areaTrack = 5;
    }
};

TEST_F(WholeBattleTest, Victory) {
    Vars::encounterGroup = 1;
    h.scriptDraws({{1, 7, 3}, {6000, 9000, 9000},  // a lone Stinger that would act at 9 s
                   {1, 100, 1}, {10, 20, 20}, {1, 100, 100}, {1, 11, 1}});
    h.wait(3100);
    h.click("frmFight", "lbl3", 0);  // one monster: struck at once
    Subs::startEncounter();
    EXPECT_EQ(talk, (std::vector<std::string>{
                        "Nina deals 30 to Stinger!",
                        "You have won the battle!  Your party gains 0 rubies and 1 experience!"}));
    EXPECT_EQ(Vars::heroExp, 1);
    EXPECT_EQ(h.now(), 1000u + 3100 + 5000);
    EXPECT_EQ(Vars::musicTrack, 5);
    EXPECT_EQ(Vars::monsterPic[2], 0);
    EXPECT_EQ(effects(), (std::vector<std::string>{"sound/snd20.snd", "sound/snd11.snd"}));
    EXPECT_TRUE(frmMap::get().isLoaded());
}

TEST_F(WholeBattleTest, Flight) {
    Vars::encounterGroup = 2;
    h.scriptDraws({{1, 6, 3}, {6000, 9000, 9000}, {1, 100, 60}});
    h.wait(3100);
    h.click("frmFight", "lbl3", 4);
    Subs::startEncounter();
    EXPECT_EQ(talk, (std::vector<std::string>{"You have ran away . . ."}));
    EXPECT_EQ(Vars::heroExp, 0);
    EXPECT_EQ(Vars::encounterSteps, 5);
    EXPECT_EQ(effects(), (std::vector<std::string>{"sound/snd20.snd", "sound/snd10.snd"}));
}

TEST_F(WholeBattleTest, Defeat) {
    Vars::heroDex = 10;
    Vars::heroHP = 5;
    Vars::heroExp = 5000;  // enough for a level, which a lost battle does not give
    Vars::encounterGroup = 3;
    h.scriptDraws({{8000, 10000, 8000},
                   {8000, 10000, 10000}, {1, 2, 1}, {1, 5, 5}, {4, 8, 8}});  // a strong blow at 8 s
    Subs::startEncounter();
    EXPECT_EQ(talk, (std::vector<std::string>{"You have been defeated."}));
    EXPECT_EQ(h.now(), 1000u + 8000 + 5000);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(frmMap::get().isLoaded());  // and not loaded again behind the scenes
    EXPECT_TRUE(frmTitle::get().visible());
    EXPECT_EQ(Vars::musicTrack, 2);
    EXPECT_EQ(Vars::heroLevel, 1);
    EXPECT_EQ(Vars::heroHP, 0);
    const auto music = h.audio.music();
    ASSERT_FALSE(music.empty());
    EXPECT_EQ(music[music.size() - 2], "open:music/2.mid");
}

}  // namespace
}  // namespace battletest
