// Gauges, the ally's tactics, buffs, auto attack and the message line.
#include "battle_test.h"
#include "platform/keys.h"
#include "shell/vars.h"

namespace battletest {
namespace {

class GaugeTest : public BattleTest {
protected:
    // A battle against one Chest in the middle that never acts.
    void openQuietFight(int s0 = 0, int s1 = 0) {
        monsters(s0, s1, 5);
        openFight();
        for (int s = 0; s < 3; ++s) f.tmrEnemy[s].setEnabled(false);
    }
    void tickAllyToFull() {
        f.speed[7].setValue(9);
        f.tmrHero2_Timer();
    }
    void tickHeroToFull() {
        f.speed[2].setValue(9);
        f.tmrHero_Timer();
    }
};

TEST_F(GaugeTest, StepIntervalsFollowDexterityAndAmuletNine) {
    struct Case {
        int heroDex, allyDex, amulet, hero, ally;
    };
    const Case cases[] = {{10, 10, 0, 751, 751}, {100, 100, 0, 301, 301}, {15, 17, 0, 731, 721},
                          {10, 100, 9, 376, 301}, {100, 10, 9, 151, 751}};
    for (const Case& c : cases) {
        Vars::heroDex = std::uint8_t(c.heroDex);
        Vars::allyDex = std::uint8_t(c.allyDex);
        Vars::amulet = std::uint8_t(c.amulet);
        openQuietFight();
        EXPECT_EQ(f.tmrHero->interval(), c.hero);
        EXPECT_EQ(f.tmrHero2->interval(), c.ally);
        f.unload();
    }
}

TEST_F(GaugeTest, BoostShortensBothGaugesByTheHerosWisdomForThirtySeconds) {
    struct Case {
        int wis, allyDex, hero, ally;
    };
    const Case cases[] = {{10, 10, 737, 737}, {50, 10, 677, 677}, {100, 100, 602, 242}};
    for (const Case& c : cases) {
        Vars::heroWis = std::uint8_t(c.wis);
        Vars::allyDex = std::uint8_t(c.allyDex);
        Vars::heroSpells = {0, 3, 0};
        openQuietFight();
        ASSERT_TRUE(fillHeroGauge());
        for (int entry : {2, 2, 3}) f.lbl3_Click(entry);
        EXPECT_TRUE(f.heroBoost);
        EXPECT_EQ(Vars::heroMP, 44);
        EXPECT_EQ(f.tmrHero->interval(), c.hero);
        EXPECT_EQ(f.tmrHero2->interval(), c.ally);
        EXPECT_EQ(f.lblBlock[2].ForeColor, 0x0000FFu);
        h.advance(30000);
        EXPECT_FALSE(f.heroBoost);
        EXPECT_EQ(f.tmrHero->interval(), 751);
        EXPECT_EQ(f.lblBlock[3].ForeColor, 0xFFFFFFu);
        f.unload();
        Vars::heroMP = 50;
    }
}

TEST_F(GaugeTest, ARecastBuffEndsThirtySecondsAfterTheSecondCast) {
    Vars::heroSpells = {0, 1, 0};
    Vars::heroWis = 35;
    Vars::allyEquip[2] = 2;
    openQuietFight();
    ASSERT_TRUE(fillHeroGauge());
    for (int entry : {2, 2, 1}) f.lbl3_Click(entry);
    EXPECT_EQ(f.blockFigure(0), 3);  // Protect raises both members' block
    EXPECT_EQ(f.blockFigure(1), 9);
    ASSERT_TRUE(fillHeroGauge());
    for (int entry : {2, 2, 1}) f.lbl3_Click(entry);
    h.advance(29999);
    EXPECT_TRUE(f.heroProtect);
    h.advance(1);
    EXPECT_FALSE(f.heroProtect);
    EXPECT_EQ(f.blockFigure(1), 6);
}

TEST_F(GaugeTest, EachAllyTacticDrawsAndActs) {
    const std::vector<Draw> attack = {{1, 3, 3}, {1, 100, 100}, {1, 3, 1}};
    const std::vector<Draw> spell = {{1, 3, 3}};
    struct Case {
        int mode;
        std::vector<Draw> choice;
        std::string action;  // "attack", "spell", "defend" or ""
    };
    const Case cases[] = {
        {0, {}, "attack"},          {1, {{1, 2, 1}}, "attack"},  {1, {{1, 2, 2}}, "spell"},
        {2, {{1, 100, 19}}, "spell"}, {2, {{1, 100, 20}}, "attack"}, {3, {{1, 3, 1}}, "attack"},
        {3, {{1, 3, 2}}, "defend"},  {3, {{1, 3, 3}}, "spell"},   {4, {}, "defend"},
        {5, {{1, 2, 1}}, "attack"},  {5, {{1, 2, 2}}, "defend"},  {6, {{1, 2, 1}}, "spell"},
        {6, {{1, 2, 2}}, "defend"},  {7, {}, ""},
    };
    const std::map<std::string, std::string> said = {
        {"attack", "Jack misses Chest"}, {"spell", "Jack Casts Vigor!"}, {"defend", "Jack defends."}, {"", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " " + c.action);
        Vars::allyMode = std::uint8_t(c.mode);
        openQuietFight();
        std::vector<Draw> d = c.choice;
        const auto& rest = c.action == "attack" ? attack : c.action == "spell" ? spell : std::vector<Draw>{};
        d.insert(d.end(), rest.begin(), rest.end());
        h.scriptDraws(d);
        tickAllyToFull();
        EXPECT_EQ(lastTalk(), said.at(c.action));
        EXPECT_EQ(f.speed[7].value(), 0);
        EXPECT_TRUE(f.tmrHero2->enabled());
        f.unload();
    }
}

TEST_F(GaugeTest, AFullGaugePointsTheKeysAtAttack) {
    openQuietFight(3, 3);
    f.menuCursor = 3;
    ASSERT_TRUE(fillHeroGauge());
    EXPECT_EQ(f.menuCursor, 0);
    EXPECT_EQ(f.lbl3[0].ForeColor, 0xC0u);
    h.keyNow(platform::vk::Return);
    EXPECT_EQ(f.menuMode, 1);  // the target list of Attack
}

TEST_F(GaugeTest, AutoAttackWithAmuletSixStrikesEveryMonsterAndRestartsTheGauge) {
    Vars::autoBattle = 1;
    Vars::amulet = 6;
    openQuietFight(3, 3);
    h.scriptDraws({{1, 3, 2},  // the aim of the tick that does not fill the gauge
                   {1, 3, 3},  // the filling tick aims too; amulet 6 strikes all
                   {1, 100, 100}, {1, 4, 4}, {1, 100, 100}, {1, 4, 4}, {1, 100, 100}, {1, 4, 4}});
    f.tmrHero_Timer();
    EXPECT_TRUE(f.tmrHero->enabled());
    tickHeroToFull();
    EXPECT_TRUE(f.tmrHero->enabled());
    EXPECT_EQ(f.menuMode, 0);
    EXPECT_EQ(caption(f.lbl3, 0), "Attack");
    for (int s = 0; s < 3; ++s) EXPECT_EQ(caption(f.lblDamage, s), "Miss!");
    EXPECT_EQ(lastTalk(), "Nina hits air!");
}

TEST_F(GaugeTest, AutoAttackAimsTheTargetListAtTheDrawnSlot) {
    Vars::autoBattle = 1;
    openQuietFight(3, 3);
    h.scriptDraws({{1, 3, 2}, {1, 100, 100}, {1, 4, 1}});
    tickHeroToFull();
    EXPECT_EQ(lastTalk(), "Nina misses Snake");
    EXPECT_TRUE(f.lblDamage[1].Visible);
    EXPECT_FALSE(f.lblDamage[0].Visible);
}

TEST_F(GaugeTest, TheMessageLineHidesSixSecondsAfterTheLastMessage) {
    openQuietFight();
    f.tmrHero->setEnabled(false);
    f.tmrHero2->setEnabled(false);
    f.showTalk("one");
    h.advance(4000);
    f.showTalk("two");
    h.advance(5999);
    EXPECT_TRUE(f.lblTalk->Visible);
    EXPECT_EQ(f.lblTalk->Caption, "two");
    h.advance(1);
    EXPECT_FALSE(f.lblTalk->Visible);
}

}  // namespace
}  // namespace battletest
