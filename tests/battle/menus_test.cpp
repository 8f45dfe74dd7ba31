// Every path through the command menu: what it costs, what it refuses and
// where Cancel leads.
#include "battle/encounter.h"
#include "battle_test.h"
#include "shell/vars.h"

namespace battletest {
namespace {

constexpr const char* kMagek = "You do not have enough magek to use this!";
constexpr const char* kNotYet = "You cannot use this spell yet!";

struct Case {
    const char* name;
    std::vector<int> clicks;
    int mp = 50;
    std::array<std::uint8_t, 3> spells{3, 3, 3};
    std::array<std::uint8_t, 4> items{1, 1, 1, 1};
    int amulet = 0, amulet5Form = 0, stage = 500;
    std::vector<Draw> draws{};
    std::string talk = "";
    bool turn = false;
    int mode = 0;
    int mpAfter = -1;  // -1: unchanged
};

const Case kCases[] = {
    // Refusals keep the turn and the list.
    {.name = "no herbs", .clicks = {3, 0}, .items = {0, 1, 1, 1}, .talk = "You have no herbs!", .mode = 2},
    {.name = "no berries", .clicks = {3, 1}, .items = {1, 0, 1, 1}, .talk = "You have no berries!", .mode = 2},
    {.name = "no potions", .clicks = {3, 2}, .items = {1, 1, 0, 1}, .talk = "You have no potions!", .mode = 2},
    {.name = "no fire potions", .clicks = {3, 3}, .items = {1, 1, 1, 0}, .talk = "You have no fire potions!", .mode = 2},
    {.name = "no spirit group", .clicks = {2, 3}, .spells = {3, 3, 0}, .talk = "You cannot use this spell group yet!", .mode = 3},
    {.name = "fireball at 2 MP", .clicks = {2, 1, 1}, .mp = 2, .talk = kMagek, .mode = 4},
    {.name = "lightning below level 2", .clicks = {2, 1, 2}, .spells = {1, 0, 0}, .talk = kNotYet, .mode = 4},
    {.name = "lightning at 5 MP", .clicks = {2, 1, 2}, .mp = 5, .talk = kMagek, .mode = 4},
    {.name = "vulcan below level 3", .clicks = {2, 1, 3}, .spells = {2, 0, 0}, .talk = kNotYet, .mode = 4},
    {.name = "vulcan at 11 MP", .clicks = {2, 1, 3}, .mp = 11, .talk = kMagek, .mode = 4},
    {.name = "protect at 1 MP", .clicks = {2, 2, 1}, .mp = 1, .talk = kMagek, .mode = 5},
    {.name = "vigor below level 2", .clicks = {2, 2, 2}, .spells = {0, 1, 0}, .talk = kNotYet, .mode = 5},
    {.name = "vigor at 3 MP", .clicks = {2, 2, 2}, .mp = 3, .talk = kMagek, .mode = 5},
    {.name = "boost below level 3", .clicks = {2, 2, 3}, .spells = {0, 2, 0}, .talk = kNotYet, .mode = 5},
    {.name = "boost at 5 MP", .clicks = {2, 2, 3}, .mp = 5, .talk = kMagek, .mode = 5},
    {.name = "heal below level 2", .clicks = {2, 3, 2}, .spells = {0, 0, 1}, .talk = kNotYet, .mode = 6},
    {.name = "heal at 6 MP", .clicks = {2, 3, 2}, .mp = 6, .talk = kMagek, .mode = 6},
    {.name = "transform below level 3", .clicks = {2, 3, 3}, .spells = {0, 0, 2}, .talk = kNotYet, .mode = 6},
    {.name = "transform before stage 415", .clicks = {2, 3, 3}, .stage = 414, .talk = kNotYet, .mode = 6},
    {.name = "transform at 11 MP", .clicks = {2, 3, 3}, .mp = 11, .talk = kMagek, .mode = 6},
    {.name = "cure at 3 MP", .clicks = {2, 3, 1, 3}, .mp = 3, .talk = kMagek, .mode = 11},
    {.name = "a missing monster", .clicks = {0, 2}, .mode = 1},
    // Cancel goes back one level.
    {.name = "attack target cancel", .clicks = {0, 4}, .mode = 0},
    {.name = "items cancel", .clicks = {3, 4}, .mode = 0},
    {.name = "herb list cancel", .clicks = {3, 0, 2}, .mode = 2},
    {.name = "potion list cancel", .clicks = {3, 2, 0}, .mode = 2},
    {.name = "spell groups cancel", .clicks = {2, 0}, .mode = 0},
    {.name = "attack spells cancel", .clicks = {2, 1, 4}, .mode = 3},
    {.name = "support spells cancel", .clicks = {2, 2, 0}, .mode = 3},
    {.name = "fireball target cancel", .clicks = {2, 1, 1, 0}, .mode = 4},
    {.name = "vulcan target cancel", .clicks = {2, 1, 3, 4}, .mode = 4},
    {.name = "cure list cancel", .clicks = {2, 3, 1, 4}, .mode = 6},
    // Commands carried out use the turn and end in the main menu.
    {.name = "defend", .clicks = {1}, .turn = true},
    {.name = "berry", .clicks = {3, 1}, .mp = 30, .draws = {{10, 20, 20}}, .turn = true, .mpAfter = 50},
    {.name = "herb on the ally", .clicks = {3, 0, 3}, .draws = {{10, 15, 10}}, .turn = true},
    {.name = "fire potion", .clicks = {3, 3}, .draws = {{25, 30, 25}, {25, 30, 30}},
     .talk = "You have won the battle!  Your party gains 0 rubies and 6 experience!"},
    {.name = "fireball", .clicks = {2, 1, 1, 3}, .mp = 3, .draws = {{5, 10, 5}}, .talk = "Nina Casts Fireball!", .turn = true, .mpAfter = 0},
    {.name = "lightning", .clicks = {2, 1, 2}, .mp = 6, .draws = {{5, 5, 5}, {5, 5, 5}}, .talk = "Nina Casts Lightning!", .turn = true, .mpAfter = 0},
    {.name = "vulcan", .clicks = {2, 1, 3, 1}, .mp = 12, .draws = {{25, 60, 30}}, .talk = "Nina Casts Vulcan!", .turn = true, .mpAfter = 0},
    {.name = "protect", .clicks = {2, 2, 1}, .mp = 2, .turn = true, .mpAfter = 0},
    {.name = "protect with rogue", .clicks = {2, 2, 1}, .mp = 1, .amulet = 5, .amulet5Form = 1, .turn = true, .mpAfter = 0},
    {.name = "vigor with rogue", .clicks = {2, 2, 2}, .mp = 2, .amulet = 5, .amulet5Form = 1, .turn = true, .mpAfter = 0},
    {.name = "boost with rogue", .clicks = {2, 2, 3}, .mp = 3, .amulet = 5, .amulet5Form = 1, .turn = true, .mpAfter = 0},
    {.name = "boost owned but not worn", .clicks = {2, 2, 3}, .mp = 5, .amulet = 4, .amulet5Form = 1, .talk = kMagek, .mode = 5},
    {.name = "heal", .clicks = {2, 3, 2}, .mp = 7, .draws = {{15, 30, 15}, {15, 30, 15}}, .talk = "Casted Heal on the party!", .turn = true, .mpAfter = 0},
    {.name = "holy", .clicks = {2, 3, 2}, .mp = 7, .amulet = 5, .amulet5Form = 2, .draws = {{10, 15, 10}, {10, 15, 10}}, .talk = "Casted Holy!", .turn = true, .mpAfter = 0},
    {.name = "cure the hero", .clicks = {2, 3, 1, 1}, .mp = 4, .draws = {{15, 25, 15}}, .turn = true, .mpAfter = 0},
    {.name = "transform", .clicks = {2, 3, 3}, .mp = 12, .talk = "Nina Transforms!", .turn = true, .mpAfter = 0},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class MenuTest : public BattleTest,
                 public ::testing::WithParamInterface<Case> {};

TEST_P(MenuTest, ClickPath) {
    const Case& c = GetParam();
    Vars::heroMP = std::uint8_t(c.mp);
    Vars::heroHP = 50;
    Vars::heroSpells = c.spells;
    Vars::heroItems = c.items;
    Vars::amulet = std::uint8_t(c.amulet);
    Vars::amuletsOwned[4] = std::uint8_t(c.amulet5Form);
    Vars::storyStage = std::int16_t(c.stage);
    monsters(3, 3, 0);
    openFight();
    for (int s = 0; s < 3; ++s) f.tmrEnemy[s].setEnabled(false);
    ASSERT_TRUE(fillHeroGauge());
    h.scriptDraws(c.draws);
    for (int entry : c.clicks) f.lbl3_Click(entry);
    EXPECT_EQ(lastTalk(), c.talk);
    EXPECT_EQ(f.tmrHero->enabled(), c.turn);
    EXPECT_EQ(f.menuMode, c.mode);
    EXPECT_EQ(Vars::heroMP, c.mpAfter < 0 ? c.mp : c.mpAfter);
    const bool waiting = !c.turn && !f.tmrEnemyDead->enabled();
    EXPECT_EQ(f.lbl3[0].ForeColor, waiting ? 0xC0u : 0xFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Paths, MenuTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

using MenuListTest = BattleTest;

TEST_F(MenuListTest, TheListsShowTheirEntries) {
    Vars::heroSpells = {1, 1, 1};
    Vars::amulet = 5;
    Vars::amuletsOwned[4] = 2;
    monsters(3, 0, 0);
    Vars::monsterHP[0] = 0;  // a dead monster keeps its name in the list
    Subs::setMonster(9, 2);
    openFight();
    ASSERT_TRUE(fillHeroGauge());
    auto entries = [this] {
        std::vector<std::string> v;
        for (int i = 0; i < 5; ++i) v.push_back(caption(f.lbl3, i));
        return v;
    };
    using V = std::vector<std::string>;
    h.scriptDraws({{1, 100, 100}, {1, 4, 1}});
    f.lbl3_Click(0);  // one living monster: struck at once
    EXPECT_TRUE(f.tmrHero->enabled());
    EXPECT_EQ(entries(), (V{"Attack", "Defend", "Spell", "Item", "Flee"}));
    f.showTargetMenu();
    EXPECT_EQ(entries(), (V{"Cancel", "Snake", "G. Spider", "None", "Cancel"}));
    f.showPartyMenu();
    EXPECT_EQ(entries(), (V{"Cancel", "Nina", "Cancel", "Jack", "Cancel"}));
    f.showItemMenu();
    EXPECT_EQ(entries(), (V{"Herb", "Berry", "Potion", "Fire Pot.", "Cancel"}));
    f.showSpiritSpells();
    EXPECT_EQ(entries(), (V{"Cancel", "Cure", "Holy", "Transform", "Cancel"}));
}

}  // namespace
}  // namespace battletest

namespace battletest {
namespace {

TEST_F(MenuListTest, AHeroWhoOpensTransformedRevertsForNothingOnlyWhenTransformMayBeUsed) {
    Vars::encounterGroup = 25;
    Vars::storyStage = 500;
    Vars::heroMP = 0;
    monsters(0, 0, 25);
    for (int spirit : {2, 3}) {
        Vars::heroSpells = {0, 0, std::uint8_t(spirit)};
        openFight();
        f.tmrEnemy[2].setEnabled(false);
        ASSERT_TRUE(fillHeroGauge());
        for (int entry : {2, 3, 3}) f.lbl3_Click(entry);
        EXPECT_EQ(f.transformed, spirit == 2);
        EXPECT_EQ(lastTalk(), spirit == 2 ? "You cannot use this spell yet!" : "Nina Reverts back to Human Form!");
        EXPECT_EQ(f.lblSpecial[1].Visible, spirit == 2);
        EXPECT_EQ(caption(f.lblAttack, 0), spirit == 2 ? "10-25 + 1" : "1-4 + 1");
        f.unload();
    }
}

}  // namespace
}  // namespace battletest
