// The hero's and the ally's blows: hit chances, the order of the bonuses,
// the defence floor, and their messages and sounds.
#include <memory>

#include "battle_test.h"
#include "shell/vars.h"

namespace battletest {
namespace {

class AttackTest : public BattleTest {
protected:
    void open(int s0, int s1, int s2) {
        monsters(s0, s1, s2);
        openFight();
        for (int s = 0; s < 3; ++s) f.tmrEnemy[s].setEnabled(false);
    }
};

TEST_F(AttackTest, TheHeroHitsUpToHalfTheDexterityPlusFifty) {
    struct Case {
        int dex, draw;
        bool hit;
    };
    const Case cases[] = {{10, 55, true},  {10, 56, false}, {15, 57, true},
                          {15, 58, false}, {11, 55, true},  {100, 100, true}};
    for (const Case& c : cases) {
        Vars::heroDex = std::uint8_t(c.dex);
        open(0, 0, 5);
        if (c.hit)
            h.scriptDraws({{1, 100, c.draw}, {1, 4, 4}, {1, 100, 100}, {1, 11, 5}});
        else
            h.scriptDraws({{1, 100, c.draw}, {1, 4, 2}});
        f.heroAttack(2);
        EXPECT_EQ(lastTalk(), c.hit ? "Nina does 2 to Chest" : "Chest dodges Nina's attack!")
            << "dexterity " << c.dex << " draw " << c.draw;
        EXPECT_EQ(caption(f.lblDamage, 2), c.hit ? "- 2" : "Miss!");
        f.unload();
    }
}

TEST_F(AttackTest, TheHerosBonusesComeInTheirOrderBeforeTheDefence) {
    struct Case {
        const char* name;
        int str, weapon, armour, amulet, sofi, monster;
        bool transformed, heroVigor, allyVigor;
        std::vector<Draw> draws;  // weapon, [transformed], critical, message
        int damage;
        std::string talk;
    };
    const Case cases[] = {
        {"plain", 20, 2, 0, 0, 0, 4, false, false, false, {{4, 10, 9}, {1, 100, 5}, {1, 11, 7}}, 9,
         "Nina hits G. Snake for 9 damage!"},
        {"critical", 20, 2, 0, 0, 0, 4, false, false, false, {{4, 10, 7}, {1, 100, 4}, {1, 11, 1}}, 11,
         "Nina deals 11 to G. Snake!"},
        {"amulet nine after the critical", 10, 2, 0, 9, 0, 3, false, false, false,
         {{4, 10, 9}, {1, 100, 2}, {1, 11, 11}}, 21, "Nina hurts Snake for 21 damage!"},
        {"sofi's amulet widens the critical", 10, 0, 0, 0, 1, 3, false, false, false,
         {{1, 4, 3}, {1, 100, 17}, {1, 11, 6}}, 5, "Nina damages Snake for 5 points!"},
        {"transformed with armour 6 and amulet 4", 30, 0, 6, 4, 0, 5, true, false, false,
         {{1, 4, 1}, {10, 25, 20}, {1, 100, 100}, {1, 11, 2}}, 29,
         "Nina whacks the enemy for 29 damage!"},
        {"both vigors", 10, 0, 0, 0, 0, 5, false, true, true, {{1, 4, 4}, {1, 100, 100}, {1, 11, 8}}, 7,
         "Nina struck Chest for 7 points!"},
        {"the defence floor", 10, 0, 0, 0, 0, 46, false, false, false,
         {{1, 4, 4}, {1, 100, 100}, {1, 11, 3}}, 1, "Nina strikes for 1 damage to Slime"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Vars::heroStr = std::uint8_t(c.str);
        Vars::heroWis = 20;
        Vars::allyWis = 30;
        Vars::heroEquip = {std::uint8_t(c.weapon), std::uint8_t(c.armour), 9, 9, 9};
        Vars::amulet = std::uint8_t(c.amulet);
        Vars::amuletsOwned[0] = std::uint8_t(c.sofi);
        Vars::soundOn = 1;
        open(0, 0, c.monster);
        f.transformed = c.transformed;
        f.heroVigor = c.heroVigor;
        f.allyVigor = c.allyVigor;
        const int hpBefore = Vars::monsterHP[2];
        std::vector<Draw> d = {{1, 100, 1}};
        d.insert(d.end(), c.draws.begin(), c.draws.end());
        h.scriptDraws(d);
        h.audio.clear();
        f.heroAttack(2);
        EXPECT_EQ(hpBefore - Vars::monsterHP[2], c.damage);
        EXPECT_EQ(lastTalk(), c.talk);
        EXPECT_EQ(f.hitKind[2], c.transformed ? 2 : 0);
        EXPECT_EQ(effects(), (std::vector<std::string>{c.transformed ? "sound/snd14.snd" : "sound/snd11.snd"}));
        f.unload();
    }
}

// Hand totals of the weapon table: the hero's codes 0-5 and the ally's 1-6
// draw; the hero's 6 and the ally's 0 draw nothing.
TEST_F(AttackTest, WeaponDrawsAddUpToTheTable) {
    open(0, 0, 5);
    std::array<int, 4> total{};  // hero low, hero high, ally low, ally high
    for (int code = 0; code <= 6; ++code) {
        Vars::heroEquip[0] = Vars::allyEquip[0] = std::uint8_t(code);
        for (int member : {0, 1}) {
            h.seedDraws(1);
            auto probe = std::make_unique<Probe>();
            Probe* p = probe.get();
            p->answers = member == 0 ? std::deque<int>{1} : std::deque<int>{3, 1};  // the Chest, hit
            Subs::setRandomSource(std::move(probe));
            member == 0 ? f.heroAttack(2) : f.allyAttack();
            const std::size_t weaponDraw = member == 0 ? 1 : 2;  // after the hit (and the ally's aim)
            const std::size_t drawsWithWeapon = member == 0 ? 4 : 5;
            if (p->asked.size() == drawsWithWeapon) {
                total[2 * member] += p->asked[weaponDraw].first;
                total[2 * member + 1] += p->asked[weaponDraw].second;
            } else {
                EXPECT_EQ(code, member == 0 ? 6 : 0);
            }
            Subs::setRandomSource(nullptr);
        }
    }
    EXPECT_EQ(total, (std::array<int, 4>{31, 67, 32, 71}));
}

TEST_F(AttackTest, ACriticalBlowSaysSoFirst) {
    Vars::heroStr = 20;
    open(0, 0, 5);
    h.scriptDraws({{1, 100, 1}, {1, 4, 4}, {1, 100, 4}, {1, 11, 5}});
    f.heroAttack(2);
    EXPECT_EQ(talk, (std::vector<std::string>{"Critical!", "Nina does 6 to Chest"}));
}

TEST_F(AttackTest, TheAllyStrikesOnlyTheLivingAndItsSixthWeaponSoundsApart) {
    Vars::allyEquip[0] = 6;
    Vars::allyStr = 25;
    Vars::allyWis = 25;
    Vars::heroWis = 39;
    Vars::soundOn = 1;
    open(3, 5, 0);
    Vars::monsterHP[0] = 0;
    f.allyVigor = f.heroVigor = true;
    h.scriptDraws({{1, 3, 1}, {1, 3, 3}, {1, 3, 2},  // dead, empty, then the living slot 1
                   {1, 100, 55}, {2, 8, 8}, {1, 100, 5}, {1, 11, 10}});
    h.audio.clear();
    f.allyAttack();
    // 8 + 2, half again as a critical (at most 5), both Vigors (2 + 3), less the Chest's defence of 3
    EXPECT_EQ(lastTalk(), "Jack attacks Chest for 17 damage!");
    EXPECT_EQ(Vars::monsterHP[1], 83);
    EXPECT_EQ(effects(), (std::vector<std::string>{"sound/snd6.snd"}));

    h.scriptDraws({{1, 3, 2}, {1, 100, 56}, {1, 3, 3}, {1, 2, 2}});
    h.audio.clear();
    f.allyAttack();
    EXPECT_EQ(lastTalk(), "Jack failed to hit Chest");
    EXPECT_EQ(effects(), (std::vector<std::string>{"sound/snd21.snd"}));
}

TEST_F(AttackTest, TheAllysDefendStacksUntilTheFiguresAreRebuilt) {
    open(0, 0, 5);
    f.allyDefend();
    f.allyDefend();
    EXPECT_EQ(lastTalk(), "Jack defends.");
    EXPECT_EQ(f.defenseFigure(1), 1 + 2 * 5);  // armour 1, no helmet, two Defends
    EXPECT_EQ(f.defenseFigure(3), 4);
    EXPECT_EQ(caption(f.lblDefense, 3), "4");
    f.showDefense();
    EXPECT_EQ(f.defenseFigure(1), 1);
    EXPECT_EQ(f.defenseFigure(3), 0);
}

}  // namespace
}  // namespace battletest
