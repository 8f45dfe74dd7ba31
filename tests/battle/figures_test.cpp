// The defence, block and damage-range figures, and the damage display.
#include "battle_test.h"
#include "shell/vars.h"

namespace battletest {
namespace {

class FigureTest : public BattleTest {
protected:
    void open() {
        monsters(0, 0, 5);
        openFight();
        f.tmrEnemy[2].setEnabled(false);
        f.tmrHero->setEnabled(false);
        f.tmrHero2->setEnabled(false);
    }
    std::array<int, 6> figures() {
        return {f.defenseFigure(0), f.defenseFigure(2), f.blockFigure(0),
                f.defenseFigure(1), f.defenseFigure(3), f.blockFigure(1)};
    }
};

TEST_F(FigureTest, DefenceStrongDefenceAndBlockFromEquipmentWisdomAndBuffs) {
    struct Case {
        const char* name;
        std::array<std::uint8_t, 5> hero;
        int wis, amulet;
        bool transformed, heroProtect, allyProtect;
        std::array<int, 6> figures;  // hero defence, strong, block; ally the same
    };
    const Case cases[] = {
        {"a new hero", {0, 0, 9, 9, 9}, 10, 0, false, false, false, {0, 0, 0, 1, 1, 0}},
        {"armour 4 and helmet 5", {0, 4, 9, 5, 9}, 10, 0, false, false, false, {15, 0, 0, 1, 1, 0}},
        {"with amulet 2", {0, 4, 9, 5, 9}, 10, 2, false, false, false, {16, 1, 0, 1, 1, 0}},
        {"transformed", {0, 4, 3, 5, 4}, 60, 2, true, false, false, {6, 14, 0, 1, 1, 0}},
        {"bracers and shield", {0, 0, 5, 9, 4}, 40, 0, false, false, false, {0, 8, 12, 1, 1, 0}},
        {"hero protect", {0, 0, 9, 9, 9}, 35, 0, false, true, false, {0, 1, 3, 1, 1, 3}},
        {"both protects", {0, 0, 9, 9, 9}, 35, 0, false, true, true, {0, 1, 5, 1, 1, 5}},
        {"codes without a row count 0", {0, 7, 6, 6, 5}, 10, 0, false, false, false, {0, 0, 0, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Vars::heroEquip = c.hero;
        Vars::heroWis = std::uint8_t(c.wis);
        Vars::allyWis = 20;
        Vars::amulet = std::uint8_t(c.amulet);
        open();
        f.transformed = c.transformed;
        f.heroProtect = c.heroProtect;
        f.allyProtect = c.allyProtect;
        f.showDefense();
        f.showDefense();  // a rebuild gives the same figures
        EXPECT_EQ(figures(), c.figures);
        EXPECT_EQ(caption(f.lblDefense, 0), std::to_string(c.figures[0]));
        EXPECT_EQ(caption(f.lblBlock, 1), std::to_string(c.figures[5]));
        const bool protect = c.heroProtect || c.allyProtect;
        EXPECT_EQ(f.lblBlock[0].ForeColor, protect ? 0x0000FFu : 0xFFFFFFu);
        f.unload();
    }
}

// Hand totals of the equipment table's columns, through the hero's and the
// ally's own slots: armour 0-6, helmets 0-5, bracers 0-4, shields 0-5.
TEST_F(FigureTest, EachMembersEquipmentAddsUpToTheTable) {
    struct Column {
        int slot, lastCode, total;
    };
    const Column columns[] = {{1, 6, 36}, {3, 5, 26}, {4, 4, 17}, {2, 5, 42}};
    for (int member : {0, 1}) {
        for (const Column& c : columns) {
            SCOPED_TRACE(testing::Message() << "member " << member << " slot " << c.slot);
            int total = 0;
            for (int code = 0; code <= c.lastCode; ++code) {
                std::array<std::uint8_t, 5> equip = {1, 0, 9, 9, 9};
                equip[c.slot] = std::uint8_t(code);
                (member == 0 ? Vars::heroEquip : Vars::allyEquip) = equip;
                open();
                const int defence = f.defenseFigure(member), strong = f.defenseFigure(member + 2),
                          block = f.blockFigure(member);
                total += c.slot == 4 ? strong : c.slot == 2 ? block : defence;
                f.unload();
            }
            EXPECT_EQ(total, c.total);
        }
    }
}

TEST_F(FigureTest, DamageRangesWithTransformAndVigor) {
    struct Case {
        int weapon, armour, str, wis;
        bool transformed, heroVigor;
        std::string hero, ally;
    };
    const Case cases[] = {
        {2, 0, 30, 10, false, false, "4-10 + 3", "2-6 + 1"},
        {2, 6, 30, 10, true, false, "10-25 + 7", "2-6 + 1"},
        {2, 0, 30, 5, false, true, "4-10 + 3 + 0", "2-6 + 1 + 0"},
        {9, 0, 10, 50, false, true, "0-0 + 1 + 5", "2-6 + 1 + 5"},
    };
    for (const Case& c : cases) {
        Vars::heroEquip = {std::uint8_t(c.weapon), std::uint8_t(c.armour), 9, 9, 9};
        Vars::heroStr = std::uint8_t(c.str);
        Vars::heroWis = std::uint8_t(c.wis);
        open();
        f.transformed = c.transformed;
        f.heroVigor = c.heroVigor;
        f.showAttack();
        f.showAttack();
        EXPECT_EQ(caption(f.lblAttack, 0), c.hero);
        EXPECT_EQ(caption(f.lblAttack, 5), c.ally);
        EXPECT_EQ(f.lblAttack[0].ForeColor, c.heroVigor ? 0x0000FFu : 0xFFFFFFu);
        EXPECT_EQ(f.lblAttack[5].ForeColor, c.heroVigor ? 0x0000FFu : 0xFFFFFFu);
        EXPECT_EQ(caption(f.lblAttack, 1), "");
        f.unload();
    }
}

TEST_F(FigureTest, TheHerosDefendLastsUntilTheGaugeIsFullAgain) {
    open();
    f.tmrHero->setEnabled(true);
    ASSERT_TRUE(fillHeroGauge());
    f.lbl3_Click(1);
    EXPECT_EQ(f.defenseFigure(0), 5);
    EXPECT_EQ(f.defenseFigure(2), 2);
    ASSERT_TRUE(fillHeroGauge());
    EXPECT_EQ(f.defenseFigure(0), 0);
    EXPECT_EQ(f.defenseFigure(2), 0);
}

TEST_F(FigureTest, DamageNumbersSinkAndVanishOnTime) {
    open();
    f.showPartyDamage(5, 3);
    h.advance(3 * 120);
    f.showPartyDamage(7, 3);  // a new number starts over from the top
    EXPECT_EQ(caption(f.lblDamage, 3), "- 7");
    EXPECT_DOUBLE_EQ(f.lblDamage[3].Top, 120);
    h.advance(14 * 120);
    EXPECT_TRUE(f.lblDamage[3].Visible);
    EXPECT_DOUBLE_EQ(f.lblDamage[3].Top, 820);
    h.advance(120);
    EXPECT_FALSE(f.lblDamage[3].Visible);
    EXPECT_DOUBLE_EQ(f.lblDamage[3].Top, 120);
    EXPECT_FALSE(f.tmrDamage[3].enabled());

    f.showMonsterDamage(0, 0);
    EXPECT_EQ(caption(f.lblDamage, 0), "Miss!");
    h.advance(1000);
    f.showMonsterDamage(12, 0);  // a new number starts over from the top
    EXPECT_DOUBLE_EQ(f.lblDamage[0].Top, 4750);
    h.advance(1900);
    EXPECT_TRUE(f.lblDamage[0].Visible);
    h.advance(100);
    EXPECT_FALSE(f.lblDamage[0].Visible);
}

TEST_F(FigureTest, TheHitAnimationShowsThreeFramesAndVanishes) {
    open();
    f.hitKind[2] = 3;
    f.showMonsterDamage(5, 2);
    const platform::Image& monster = f.imgMonster[2];
    EXPECT_DOUBLE_EQ(f.imgAttack[2].Left, float(monster.Left) + float(monster.Width) / 5);
    EXPECT_TRUE(f.imgAttack[2].Visible);
    EXPECT_EQ(f.imgAttack[2].picture(), nullptr);
    for (int frame = 0; frame < 3; ++frame) {
        h.advance(300);
        EXPECT_EQ(f.imgAttack[2].picture(), f.attack[9 + frame].picture());
    }
    h.advance(300);
    EXPECT_FALSE(f.imgAttack[2].Visible);
    EXPECT_EQ(f.imgAttack[2].picture(), nullptr);
    EXPECT_EQ(f.hitFrame[2], 0);
    EXPECT_FALSE(f.tmrDmgAni[2].enabled());
}

TEST_F(FigureTest, HitPointLinesTurnRedAtAQuarter) {
    struct Case {
        int hp, max;
        bool red;
    };
    const Case cases[] = {{6, 25, true}, {7, 25, false}, {6, 24, true}, {-3, 24, true}};
    open();
    for (const Case& c : cases) {
        Vars::heroHP = std::int16_t(c.hp);
        Vars::heroMaxHP = std::int16_t(c.max);
        Vars::heroMP = 3;
        f.showHPMP();
        EXPECT_EQ(caption(f.lblHP, 0), "HP:  " + std::to_string(std::max(c.hp, 0)) + " / " + std::to_string(c.max));
        EXPECT_EQ(caption(f.lblMP, 0), "MP:  3 / 50");
        EXPECT_EQ(f.lblMP[0].ForeColor, c.red ? 0x0000FFu : 0xFFFFFFu);
        EXPECT_EQ(f.lblHP[1].ForeColor, 0xFFFFFFu);
    }
    EXPECT_EQ(Vars::heroHP, 0);
}

}  // namespace
}  // namespace battletest
