// A monster's action: target, strong attack, block, hit or miss, defeat.
#include "battle_test.h"
#include "shell/vars.h"

namespace battletest {
namespace {

class MonsterTurnTest : public BattleTest {
protected:
    void open(int monster = 5) {
        monsters(0, 0, monster);  // by default the Chest: hits 10-15, accuracy 85, picture 5
        openFight();
        f.tmrHero->setEnabled(false);
        f.tmrHero2->setEnabled(false);
    }
};

struct TurnCase {
    const char* name;
    int shield, bracers, dex, amulet, mp;
    std::vector<Draw> draws;  // after the new interval
    int heroHP, allyHP, mpAfter;
    std::string talk, heroNumber;
    std::vector<std::string> sounds;
    int wis = 10;
    int maxMP = 255;
    int monster = 5;
};

TEST_F(MonsterTurnTest, StrongAttacksBlocksHitsAndMisses) {
    const TurnCase cases[] = {
        {"strong attack", 9, 9, 10, 0, 50, {{1, 2, 1}, {1, 5, 5}, {10, 15, 12}}, 88, 100, 50, "", "- 12", {}},
        {"strong attack against more defence", 9, 4, 10, 0, 50, {{1, 2, 1}, {1, 5, 5}, {10, 15, 10}},
         99, 100, 50, "", "- 1", {}, 100},
        {"blocked below the figure", 5, 9, 10, 0, 50, {{1, 2, 1}, {1, 5, 1}, {1, 100, 11}, {1, 2, 1}},
         100, 100, 50, "Nina's has blocked Chest's attack!", "", {"sound/snd19.snd"}},
        {"not blocked at the figure", 5, 9, 10, 0, 50,
         {{1, 2, 1}, {1, 5, 1}, {1, 100, 12}, {1, 100, 84}, {10, 15, 15}}, 85, 100, 50, "", "- 15",
         {"sound/snd26.snd"}},
        {"a block figure of 2 blocks a 1", 0, 9, 10, 0, 50, {{1, 2, 1}, {1, 5, 4}, {1, 100, 1}, {1, 2, 2}},
         100, 100, 50, "Nina's has blocked Chest's attack!", "", {"sound/snd22.snd"}},
        {"no shield never blocks", 9, 9, 10, 0, 50, {{1, 2, 1}, {1, 5, 1}, {1, 100, 1}, {1, 100, 1}, {10, 15, 10}},
         90, 100, 50, "", "- 10", {"sound/snd26.snd"}},
        {"dexterity 100 lowers the hit chance to 75", 9, 9, 100, 0, 50,
         {{1, 2, 1}, {1, 5, 1}, {1, 100, 50}, {1, 100, 76}, {1, 2, 1}}, 100, 100, 50, "Chest has missed Nina.",
         "Miss!", {"sound/snd1.snd"}},
        {"amulet 8 turns a quarter into MP", 9, 9, 100, 8, 250,
         {{1, 2, 1}, {1, 5, 1}, {1, 100, 50}, {1, 100, 75}, {10, 15, 12}}, 88, 100, 253, "", "- 12",
         {"sound/snd26.snd"}},
        {"amulet 8 stops at the maximum", 9, 9, 10, 8, 254, {{1, 2, 1}, {1, 5, 5}, {10, 15, 15}}, 85, 100, 255,
         "", "- 15", {}},
        {"amulet 8 stops at a lower maximum", 9, 9, 10, 8, 58, {{1, 2, 1}, {1, 5, 5}, {10, 15, 15}}, 85, 100, 60,
         "", "- 15", {}, 10, 60},
        {"the maximum holds without the amulet", 9, 9, 10, 0, 70, {{1, 2, 1}, {1, 5, 5}, {10, 15, 11}}, 89, 100,
         60, "", "- 11", {}, 10, 60},
        {"the Harpy, the last picture, has its own sound", 9, 9, 10, 0, 50,
         {{1, 2, 1}, {1, 5, 1}, {1, 100, 1}, {1, 100, 1}, {15, 20, 15}}, 85, 100, 50, "", "- 15",
         {"sound/snd27.snd"}, 10, 255, 50},
        {"the ally", 9, 9, 10, 0, 50, {{1, 2, 2}, {1, 5, 1}, {1, 100, 100}, {1, 100, 100}, {1, 2, 1}}, 100, 100,
         50, "Chest has missed Jack.", "", {"sound/snd1.snd"}},
    };
    for (const TurnCase& c : cases) {
        SCOPED_TRACE(c.name);
        Vars::heroEquip = {0, 0, std::uint8_t(c.shield), 9, std::uint8_t(c.bracers)};
        Vars::heroDex = std::uint8_t(c.dex);
        Vars::heroWis = std::uint8_t(c.wis);
        Vars::amulet = std::uint8_t(c.amulet);
        Vars::heroMaxMP = std::uint8_t(c.maxMP);
        Vars::heroMP = std::uint8_t(c.mp);
        Vars::heroHP = 100;
        Vars::soundOn = 1;
        open(c.monster);
        std::vector<Draw> d = {{10000, 12000, 11500}};
        d.insert(d.end(), c.draws.begin(), c.draws.end());
        h.scriptDraws(d);
        h.audio.clear();
        f.tmrEnemy_Timer(2);
        EXPECT_EQ(f.tmrEnemy[2].interval(), 11500);
        EXPECT_EQ(Vars::heroHP, c.heroHP);
        EXPECT_EQ(Vars::allyHP, c.allyHP);
        EXPECT_EQ(Vars::heroMP, c.mpAfter);
        EXPECT_EQ(lastTalk(), c.talk);
        EXPECT_EQ(f.lblDamage[3].Visible ? caption(f.lblDamage, 3) : "", c.heroNumber);
        EXPECT_EQ(effects(), c.sounds);
        f.unload();
    }
}

TEST_F(MonsterTurnTest, AFallenMemberEndsTheBattleInDefeat) {
    for (int t : {1, 2}) {
        Vars::heroHP = Vars::allyHP = 100;
        (t == 1 ? Vars::heroHP : Vars::allyHP) = 5;
        open();
        f.tmrHero->setEnabled(true);
        for (int i = 0; i < 3; ++i) f.tmrEnemy[i].setEnabled(true);
        for (int i = 0; i < 5; ++i) f.tmrSupport[i].setEnabled(true);
        h.scriptDraws({{10000, 12000, 10000}, {1, 2, t}, {1, 5, 5}, {10, 15, 10}});
        f.tmrEnemy_Timer(2);
        EXPECT_TRUE(f.tmrHeroDead->enabled());
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.tmrEnemy[i].enabled());
        for (int i = 0; i < 5; ++i) EXPECT_FALSE(f.tmrSupport[i].enabled());
        EXPECT_FALSE(f.tmrHero->enabled());
        EXPECT_FALSE(f.tmrHero2->enabled());
        EXPECT_FALSE(f.tmrTalk->enabled());
        EXPECT_EQ(lastTalk(), "You have been defeated.");
        EXPECT_EQ(caption(f.lblHP, t - 1), "HP:  0 / 100");
        EXPECT_EQ(f.lblHP[t - 1].ForeColor, 0x0000FFu);
        h.advance(30000);
        EXPECT_EQ(f.lblTalk->Caption, "You have been defeated.");
        EXPECT_TRUE(f.lblTalk->Visible);
        f.unload();
    }
}

}  // namespace
}  // namespace battletest
