// The hero's attack spells and fire potion, and each ally's own spell.
#include <functional>

#include "battle_test.h"
#include "shell/vars.h"

namespace battletest {
namespace {

class SpellTest : public BattleTest {
protected:
    void open() {
        monsters(3, 3, 5);  // two Snakes (18 HP, magic defence 0), a Chest (100, 2)
        openFight();
        for (int s = 0; s < 3; ++s) f.tmrEnemy[s].setEnabled(false);
        f.tmrHero->setEnabled(false);
        f.tmrHero2->setEnabled(false);
    }
    using HP = std::array<std::int16_t, 3>;
};

TEST_F(SpellTest, EachAllyCastsItsOwnSpell) {
    struct Case {
        const char* ally;
        int weapon;
        std::vector<Draw> draws;  // after the target draw, which picks the Chest
        HP hp;
        int allyHP;
        std::vector<std::string> talk;
        std::vector<std::string> sounds;
        std::array<int, 3> kind;  // hit animation per slot; 9 where none was shown
        bool heroVigor = false;
        int allyBefore = 90;
    };
    const Case cases[] = {
        {"Sofi", 1, {{2, 6, 6}}, {18, 18, 90}, 90, {"Sofi Casts Spark!"}, {"sound/snd12.snd"}, {9, 9, 1}},
        {"Jack", 1, {}, {18, 18, 100}, 90, {"Jack Casts Vigor!"}, {"sound/snd5.snd"}, {9, 9, 9}},
        {"Sonia", 1, {}, {18, 18, 100}, 90, {"Sonia Casts Protect!"}, {"sound/snd5.snd"}, {9, 9, 9}},
        {"Darwin", 1, {{1, 100, 65}, {8, 15, 15}, {1, 100, 66}, {1, 100, 1}, {8, 15, 10}},
         {6, 18, 93}, 90, {"Darwin casts Strike!"}, {"sound/snd11.snd"}, {0, 9, 0}},
        // (6 + 3 + 3 - 1) less three tenths on the Snakes, (12 + 3 + 3 - 3) on the Chest
        {"Darwin", 3, {{1, 100, 1}, {6, 12, 6}, {1, 100, 1}, {6, 12, 6}, {1, 100, 1}, {6, 12, 12}},
         {10, 10, 89}, 90, {"Darwin casts Strike!"}, {"sound/snd11.snd"}, {0, 0, 0}, true},
        {"Ryu", 1, {{1, 100, 55}, {10, 20, 10}}, {18, 18, 80}, 90, {"Ryu casts Blade!"}, {"sound/snd11.snd"},
         {9, 9, 0}, true},
        // Ryu's fourth sword: 8 + 3, and three tenths more
        {"Ryu", 4, {{1, 100, 55}, {8, 15, 8}}, {18, 18, 86}, 90, {"Ryu casts Blade!"}, {"sound/snd11.snd"},
         {9, 9, 0}},
        {"Ryu", 4, {{1, 100, 56}, {1, 2, 2}}, {18, 18, 100}, 90, {"Ryu casts Blade!  But misses!"},
         {"sound/snd21.snd"}, {9, 9, 0}},
        {"Chi", 1, {{10, 15, 10}, {10, 15, 15}, {10, 15, 10}}, {5, 0, 89}, 99, {"Chi Casts Holy!"},
         {"sound/snd16.snd"}, {5, 5, 5}},
        {"Chi", 1, {{10, 15, 10}, {10, 15, 15}, {10, 15, 10}}, {5, 0, 89}, 100,
         {"Chi Casts Holy!"}, {"sound/snd16.snd"}, {5, 5, 5}, false, 98},
        {"Myst", 1, {{5, 15, 15}, {5, 15, 5}, {5, 15, 5}}, {3, 13, 97}, 90, {"Myst casts Lightning!"},
         {"sound/snd13.snd"}, {3, 3, 3}},
        {"Bree", 1, {{5, 10, 10}}, {18, 18, 86}, 90, {"Bree Casts Fireball!"}, {"sound/snd4.snd"}, {9, 9, 2}},
        {"Maurice", 1, {{5, 10, 10}}, {18, 18, 86}, 90, {"Maurice Casts Fireball!"}, {"sound/snd4.snd"},
         {9, 9, 2}},
        {"Tina", 1, {}, {18, 18, 100}, 90, {}, {}, {9, 9, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ally) + " with weapon " + std::to_string(c.weapon) + " at " + std::to_string(c.allyBefore) + " HP");
        Vars::allyName = c.ally;
        Vars::allyEquip[0] = std::uint8_t(c.weapon);
        Vars::allyStr = Vars::allyWis = 30;
        Vars::allyDex = 30;  // Strike lands up to 65, Blade up to 55
        Vars::heroWis = 39;  // the hero's Vigor adds 3
        Vars::allyHP = std::int16_t(c.allyBefore);
        Vars::soundOn = 1;
        open();
        f.heroVigor = c.heroVigor;
        f.hitKind = {9, 9, 9};
        std::vector<Draw> d = {{1, 3, 3}};
        d.insert(d.end(), c.draws.begin(), c.draws.end());
        h.scriptDraws(d);
        h.audio.clear();
        f.allySpell();
        EXPECT_EQ(Vars::monsterHP, c.hp);
        EXPECT_EQ(Vars::allyHP, c.allyHP);
        EXPECT_EQ(talk, c.talk);
        EXPECT_EQ(effects(), c.sounds);
        EXPECT_EQ(caption(f.lblHP, 1), "HP:  " + std::to_string(c.allyHP) + " / 100");
        EXPECT_EQ((std::array<int, 3>{f.hitKind[0], f.hitKind[1], f.hitKind[2]}), c.kind);
        f.unload();
    }
}

TEST_F(SpellTest, JacksAndSoniasBuffsRaiseBothMembers) {
    Vars::allyName = "Sonia";
    Vars::allyWis = 40;
    open();
    h.scriptDraws({{1, 3, 1}});
    f.allySpell();
    EXPECT_TRUE(f.allyProtect);
    EXPECT_EQ(f.blockFigure(0), 4);
    EXPECT_EQ(f.blockFigure(1), 4);
    EXPECT_EQ(f.lblBlock[1].ForeColor, 0x0000FFu);
    f.unload();

    Vars::allyName = "Jack";
    open();
    h.scriptDraws({{1, 3, 1}});
    f.allySpell();
    EXPECT_EQ(caption(f.lblAttack, 0), "1-4 + 1 + 4");
    EXPECT_EQ(caption(f.lblAttack, 5), "2-6 + 1 + 4");
}

TEST_F(SpellTest, TheHerosVigorLeavesTheAllysOwnThirtySeconds) {
    Vars::heroSpells = {0, 2, 0};
    open();
    h.scriptDraws({{1, 3, 1}});
    f.allySpell();  // Jack's Vigor
    h.advance(10000);
    for (int entry : {2, 2, 2}) f.lbl3_Click(entry);
    EXPECT_TRUE(f.heroVigor);
    h.advance(19999);
    EXPECT_TRUE(f.allyVigor);
    h.advance(1);
    EXPECT_FALSE(f.allyVigor);
    EXPECT_TRUE(f.heroVigor);
    h.advance(10000);
    EXPECT_FALSE(f.heroVigor);
    EXPECT_EQ(f.lblAttack[0].ForeColor, 0xFFFFFFu);
}

TEST_F(SpellTest, TheHerosSpellsByTheirFormulas) {
    struct Case {
        const char* name;
        int wis, amulet;
        std::function<void(frmFight&)> cast;
        std::vector<Draw> draws;
        HP hp;
        int heroHP, mp, fires;
        const char* sound;
        std::array<int, 3> kind;  // hit animation per slot; 9 where none was shown
    };
    const Case cases[] = {
        {"fireball: a fifth of wisdom 29 is 5", 29, 0, [](frmFight& f) { f.castFireball(2, false); },
         {{5, 10, 10}}, {18, 18, 87}, 50, 47, 2, "sound/snd4.snd", {9, 9, 2}},
        {"fireball with amulet 4", 24, 4, [](frmFight& f) { f.castFireball(0, false); }, {{5, 10, 10}},
         {2, 18, 100}, 50, 47, 2, "sound/snd4.snd", {2, 9, 9}},
        {"fire potion: no wisdom", 100, 0, [](frmFight& f) { f.castFireball(0, true); },
         {{25, 30, 25}, {25, 30, 25}, {25, 30, 25}}, {-7, -7, 77}, 50, 50, 1, "sound/snd4.snd", {2, 2, 2}},
        {"fire potion with amulet 4", 10, 4, [](frmFight& f) { f.castFireball(2, true); },
         {{25, 30, 25}, {25, 30, 26}, {25, 30, 30}}, {-12, -13, 66}, 50, 50, 1, "sound/snd4.snd", {2, 2, 2}},
        {"vulcan with amulet 4", 23, 4, [](frmFight& f) { f.castVulcan(2); }, {{25, 60, 30}}, {18, 18, 62}, 50,
         38, 2, "sound/snd14.snd", {9, 9, 4}},
        {"lightning at wisdom 13", 13, 0, [](frmFight& f) { f.castLightning(); },
         {{5, 6, 6}, {5, 6, 5}, {5, 6, 5}}, {12, 13, 97}, 50, 44, 2, "sound/snd13.snd", {3, 3, 3}},
        {"lightning at wisdom 9 draws its low end", 9, 0, [](frmFight& f) { f.castLightning(); },
         {{5, 5, 5}, {5, 5, 5}, {5, 5, 5}}, {13, 13, 97}, 50, 44, 2, "sound/snd13.snd", {3, 3, 3}},
        {"holy drains a quarter", 29, 4, [](frmFight& f) { f.castHoly(); },
         {{10, 15, 10}, {10, 15, 15}, {10, 15, 10}}, {6, 1, 90}, 59, 43, 2, "sound/snd16.snd", {5, 5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Vars::heroWis = std::uint8_t(c.wis);
        Vars::amulet = std::uint8_t(c.amulet);
        Vars::heroItems[3] = 2;
        Vars::heroHP = 50;
        Vars::heroMP = 50;
        Vars::soundOn = 1;
        open();
        f.hitKind = {9, 9, 9};
        h.scriptDraws(c.draws);
        h.audio.clear();
        c.cast(f);
        EXPECT_EQ(Vars::monsterHP, c.hp);
        EXPECT_EQ(Vars::heroHP, c.heroHP);
        EXPECT_EQ(Vars::heroMP, c.mp);
        EXPECT_EQ(Vars::heroItems[3], c.fires);
        EXPECT_EQ(effects(), (std::vector<std::string>{c.sound}));
        EXPECT_EQ((std::array<int, 3>{f.hitKind[0], f.hitKind[1], f.hitKind[2]}), c.kind);
        f.unload();
    }
}

TEST_F(SpellTest, HolyNeverLiftsTheHeroAboveTheMaximum) {
    open();
    Vars::heroHP = 99;
    h.scriptDraws({{10, 15, 15}, {10, 15, 15}, {10, 15, 15}});
    f.castHoly();
    EXPECT_EQ(Vars::heroHP, 100);
    EXPECT_EQ(lastTalk(), "Nina Casts Holy!");
}

}  // namespace
}  // namespace battletest
