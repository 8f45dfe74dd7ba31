// Opening the battle screen, and its keys.
#include "battle/backdrops.h"
#include "battle_test.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace battletest {
namespace {

using SetupTest = BattleTest;
namespace vk = platform::vk;

TEST(Backdrop, ByTerrainMapGroupAndTheFinalEnemy) {
    struct Case {
        int terrain, map, group, middle, backdrop;
    };
    const Case cases[] = {
        {62, 0, 2, 0, 8},   {65, 0, 1, 0, 4},   {64, 0, 11, 0, 4},  {46, 0, 2, 0, 3},
        {46, 0, 11, 0, 4},  {21, 4, 2, 0, 5},   {79, 1, 2, 0, 0},   {13, 0, 31, 0, 1},
        {73, 0, 32, 0, 4},  {39, 0, 2, 0, 7},   {4, 3, 2, 0, 12},   {74, 0, 2, 0, 9},
        {76, 4, 2, 0, 9},   {75, 2, 2, 0, 10},  {23, 0, 2, 0, battle::kNoBackdrop},
        {-1, 0, 2, 0, battle::kNoBackdrop},     {23, 0, 34, 39, 11}, {4, 0, 26, 39, 10},
        {23, 0, 26, 0, 10}, {13, 0, 26, 39, 10}, {22, 4, 0, 0, 5},  {60, 0, 3, 0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(battle::chooseBackdrop(c.terrain, c.map, c.group, c.middle), c.backdrop)
            << "terrain " << c.terrain << " map " << c.map << " group " << c.group;
}

TEST_F(SetupTest, TheScreenShowsTheMonsterThePartyAndTheMenuIcons) {
    Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap) = 4;
    Vars::heroEquip = {2, 3, 9, 9, 9};
    Vars::allyEquip = {5, 1, 2, 9, 9};
    monsters(0, 0, 5);
    openFight();
    const frmTileset& store = frmTileset::get();
    EXPECT_EQ(f.Image1->picture(), store.battle[12]);
    EXPECT_EQ(f.imgMonster[2].picture(), store.imgEnemy[5]);
    EXPECT_EQ(f.tmrEnemy[2].interval(), 10000);
    EXPECT_TRUE(f.tmrEnemy[2].enabled());
    EXPECT_FALSE(f.tmrEnemy[0].enabled());
    EXPECT_FALSE(f.tmrEnemy[1].enabled());
    EXPECT_EQ(f.weapon[0].picture(), store.weapon[2]);
    EXPECT_EQ(f.arm[0].picture(), store.armor[3]);
    EXPECT_EQ(f.arm[2].picture(), store.shield[0]);  // no shield shows shield 0
    EXPECT_EQ(f.img[0].picture(), store.img[54]);
    EXPECT_EQ(f.weapon[1].picture(), store.weapon[5]);
    EXPECT_EQ(f.arm[1].picture(), store.armor[1]);
    EXPECT_EQ(f.arm[3].picture(), store.shield[2]);
    EXPECT_EQ(f.img[1].picture(), store.img[51]);
    EXPECT_EQ(caption(f.lblName1, 0), "Nina");
    EXPECT_EQ(caption(f.lblName1, 1), "Jack");
    const int icons[] = {25, 15, 22, 17, 5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.img3[i].picture(), store.icons[icons[i]]) << "entry " << i;
    // Left + Top + Width + Height of the two weapon icons, the four armour and
    // shield icons and the two gauges, added up by hand from their design places.
    double places = 0;
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &f.weapon[0], &f.weapon[1], &f.arm[0], &f.arm[1], &f.arm[2], &f.arm[3], &f.speed[2], &f.speed[7]})
        places += c->Left + c->Top + c->Width + c->Height;
    EXPECT_EQ(places, 60360);
    EXPECT_EQ(f.lblTalk->Caption, "The fight has begun!");
    EXPECT_EQ(caption(f.lblHP, 0), "HP:  100 / 100");
    h.advance(6000);
    EXPECT_FALSE(f.lblTalk->Visible);
}

TEST_F(SetupTest, EachSlotStandsCentredOnItsPlaceWithItsNumberLeftOfIt) {
    const double centre[] = {2850, 7800, 5400};
    for (auto ids : {std::array<int, 3>{0, 0, 5}, std::array<int, 3>{3, 3, 0}, std::array<int, 3>{44, 44, 30}}) {
        monsters(ids[0], ids[1], ids[2]);
        openFight();
        for (int s = 0; s < 3; ++s) {
            SCOPED_TRACE("slot " + std::to_string(s) + " monster " + std::to_string(ids[s]));
            EXPECT_DOUBLE_EQ(f.imgMonster[s].Left + f.imgMonster[s].Width / 2, centre[s]);
            EXPECT_DOUBLE_EQ(f.imgAttack[s].Left + f.imgAttack[s].Width / 2, centre[s]);
            EXPECT_DOUBLE_EQ(f.lblDamage[s].Left, f.imgMonster[s].Left - 960);
        }
        f.unload();
    }
}

TEST_F(SetupTest, GroupTwentyFiveBeforeStage792StartsTransformed) {
    for (int stage : {791, 792}) {
        Vars::storyStage = std::int16_t(stage);
        Vars::encounterGroup = 25;
        monsters(0, 0, 25);
        openFight();
        EXPECT_EQ(f.transformed, stage == 791);
        EXPECT_EQ(f.lblSpecial[1].Visible, stage == 791);
        EXPECT_EQ(f.defenseFigure(0), stage == 791 ? 5 : 0);
        f.heroProtect = f.heroVigor = f.heroBoost = f.allyVigor = f.allyProtect = true;
        f.unload();
        EXPECT_FALSE(f.transformed || f.heroProtect || f.heroVigor || f.heroBoost || f.allyVigor ||
                     f.allyProtect);
    }
}

TEST_F(SetupTest, EscSwitchesAutoBattleExceptWithAmuletNine) {
    monsters(0, 0, 5);
    Vars::amulet = 9;
    openFight();
    EXPECT_EQ(Vars::autoBattle, 1);
    EXPECT_EQ(caption(f.lblSpecial, 0), "(Auto Attack Enabled)");
    h.keyNow(vk::Escape);
    EXPECT_EQ(Vars::autoBattle, 1);
    f.unload();

    Vars::amulet = 0;
    openFight();
    EXPECT_EQ(Vars::autoBattle, 1);  // kept from the last battle
    h.keyNow(vk::Escape);
    EXPECT_EQ(Vars::autoBattle, 0);
    EXPECT_EQ(caption(f.lblSpecial, 0), "(Press ESC For Auto Attack)");
    h.keyNow(vk::Escape);
    EXPECT_EQ(Vars::autoBattle, 1);
    EXPECT_EQ(caption(f.lblSpecial, 0), "(Auto Attack Enabled)");
}

TEST_F(SetupTest, MenuKeysWrapAndHighlightOnlyWhileTheGaugeWaits) {
    monsters(0, 0, 5);
    openFight();
    f.menuCursor = 2;
    h.keyNow(vk::Down);  // the gauge is filling: nothing moves, nothing lights
    EXPECT_EQ(f.menuCursor, 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.lbl3[i].ForeColor, 0xFFFFFFu);
    ASSERT_TRUE(fillHeroGauge());

    struct Case {
        int from, key, to;
    };
    const Case cases[] = {{0, vk::Up, 4}, {0, vk::Left, 4}, {4, vk::Down, 0}, {4, vk::Right, 0},
                          {2, vk::Up, 1}, {2, vk::Right, 3}, {3, vk::Space, 3}};
    for (const Case& c : cases) {
        f.menuCursor = std::int16_t(c.from);
        h.keyNow(c.key);
        EXPECT_EQ(f.menuCursor, c.to) << "from " << c.from << " key " << c.key;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(f.lbl3[i].ForeColor, i == c.to ? 0xC0u : 0xFFFFFFu);
    }
    f.menuCursor = 1;
    h.keyNow(vk::Return);  // Defend uses the turn: no entry stays lit
    EXPECT_TRUE(f.tmrHero->enabled());
    EXPECT_EQ(f.defenseFigure(0), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.lbl3[i].ForeColor, 0xFFFFFFu);
}

}  // namespace
}  // namespace battletest
