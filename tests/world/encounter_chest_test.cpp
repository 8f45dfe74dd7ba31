#include <gtest/gtest.h>

#include "map_fixture.h"
#include "platform/keys.h"
#include "shell/vars.h"
#include "world/chests.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

class Encounters : public MapScreenTest {
protected:
    // Puts the hero in a zone with a random-battle group, facing a cell of the same zone.
    int enterBattleZone() {
        auto c = findZoneCell([](const world::Zone& z) { return z.group != 0; });
        if (!c) {
            ADD_FAILURE() << "no zone with a group";
            return 0;
        }
        place(c->map, c->x, c->y);
        open();
        return world::zoneAt(c->map, c->x, c->y, Vars::storyStage)->group;
    }
};

TEST_F(Encounters, CounterRisesWithChanceOneHalfWhereBattlesCanHappen) {
    struct Case {
        const char* what;
        bool groupZone;
        int object;
        bool quiet;
        std::vector<harness::Draw> draws;
        int wantSteps;
    };
    const Case cases[] = {
        {"a draw of 1 counts", true, 0, false, {{1, 2, 1}}, 6},
        {"a draw of 2 does not", true, 0, false, {{1, 2, 2}}, 5},
        {"a cell with an object draws nothing", true, world::kEmptyChest, false, {}, 5},
        {"quiet terrain draws nothing", true, 0, true, {}, 5},
        {"a zone without a group draws nothing", false, 0, false, {}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto cell = findZoneCell([&](const world::Zone& z) { return (z.group != 0) == c.groupZone; });
        ASSERT_TRUE(cell);
        place(cell->map, cell->x, cell->y);
        open();
        setObject(cell->x + 1, cell->y, c.object);
        setTerrain(cell->x + 1, cell->y, c.quiet ? quietCode() : walkableCode());
        Vars::encounterSteps = 5;
        h.scriptDraws(c.draws);
        walk(vk::Right);
        EXPECT_EQ(Vars::posX, cell->x + 1);
        EXPECT_EQ(Vars::encounterSteps, c.wantSteps);
        EXPECT_EQ(h.drawsLeft(), 0u);
        EXPECT_TRUE(battleGroups.empty());
        map().unload();
    }
}

TEST_F(Encounters, TwentyFifthCountStartsTheZonesBattle) {
    const int group = enterBattleZone();
    Vars::encounterSteps = 23;
    h.scriptDraws({{1, 2, 1}});
    walk(vk::Right);  // the twenty-fourth count: no battle yet
    EXPECT_TRUE(battleGroups.empty());
    EXPECT_EQ(Vars::encounterSteps, 24);
    map().unload();
    scriptRuns.clear();
    enterBattleZone();
    h.scriptDraws({{1, 2, 1}});
    bool sawCounter = false;
    duringBattle = [&] { sawCounter = Vars::encounterSteps == 25; };
    walk(vk::Right);
    EXPECT_EQ(battleGroups, std::vector<int>{group});
    EXPECT_TRUE(sawCounter);
    EXPECT_EQ(Vars::encounterSteps, 0);
    EXPECT_EQ(scriptRuns.size(), 1u);
    EXPECT_TRUE(statusShown());  // the redraw after the battle brings the line back
}

TEST_F(Encounters, ABattleThatFellsThePartyEndsTheStep) {
    struct Case {
        int heroHP, allyHP;  // after the battle
        bool stepGoesOn;
    };
    for (Case c : {Case{0, 20, false}, Case{20, 0, false}, Case{1, 1, true}}) {
        SCOPED_TRACE(testing::Message() << "hero " << c.heroHP << " ally " << c.allyHP);
        enterBattleZone();
        Vars::encounterSteps = 24;
        h.scriptDraws({{1, 2, 1}});
        duringBattle = [c] {
            Vars::heroHP = Vars::i16(c.heroHP);
            Vars::allyHP = Vars::i16(c.allyHP);
        };
        walk(vk::Right);
        EXPECT_EQ(battleGroups.size(), 1u);
        EXPECT_EQ(Vars::encounterSteps, 0);
        EXPECT_EQ(scriptRuns.size(), c.stepGoesOn ? 1u : 0u);
        EXPECT_EQ(map().lblPot[0].Visible, c.stepGoesOn);  // redrawn only when the step goes on
        EXPECT_EQ(static_cast<platform::Timer&>(h.control("frmMap", "tmrMove")).enabled(), c.stepGoesOn);
        map().unload();
        battleGroups.clear();
        scriptRuns.clear();
        Vars::heroHP = Vars::allyHP = 20;
    }
}

class Chests : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        open();
    }
    std::string shownText() {
        return map().talkShown() ? static_cast<platform::Label&>(h.control("frmMap", "lblTalk")).Caption
                                 : "";
    }
    void openChestAhead(int code) {
        setObject(Vars::posX + 1, Vars::posY, code);
        walk(vk::Right);
    }
};

TEST_F(Chests, MoneyChestsGiveRubiesUpTo9999) {
    struct Case {
        int code, lo, hi, value;
        double before, after;
    };
    const Case cases[] = {{1, 3, 8, 3, 0, 3},          {1, 3, 8, 8, 10, 18},
                          {2, 5, 15, 15, 0.5, 15.5},   {3, 15, 25, 15, 100, 115},
                          {4, 25, 50, 50, 9000, 9050}, {4, 25, 50, 25, 9980, 9999},
                          {1, 3, 8, 8, 9999, 9999}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Vars::rubies = c.before;
        h.scriptDraws({{c.lo, c.hi, c.value}});
        openChestAhead(c.code);
        EXPECT_DOUBLE_EQ(Vars::rubies, c.after);
        EXPECT_EQ(shownText(), "You found " + std::to_string(c.value) + " rubies!");
        EXPECT_EQ(Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap), world::kEmptyChest);
        map().closeTALK();
    }
}

TEST_F(Chests, ItemChestsGiveOneItemUpTo99) {
    struct Case {
        int code, item;
        const char* text;
        const char* firstText;  // when the party held none
    };
    const Case cases[] = {{6, 0, "You found a herb!", "You found a herb!"},
                          {7, 1, "You found some berries!", "You found some berries! Berries restore magic."},
                          {8, 2, "You found a potion!", "You found a potion!"},
                          {9, 3, "You found a fire potion!", "You found a fire potion!"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        for (int before : {0, 98, 99}) {
            Vars::heroItems = {5, 5, 5, 5};
            Vars::heroItems[c.item] = std::uint8_t(before);
            h.scriptDraws({});
            openChestAhead(c.code);
            auto want = std::array<std::uint8_t, 4>{5, 5, 5, 5};
            want[c.item] = std::uint8_t(std::min(before + 1, 99));
            EXPECT_EQ(Vars::heroItems, want);
            EXPECT_EQ(shownText(), before == 0 ? c.firstText : c.text);
            EXPECT_EQ(Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap), world::kEmptyChest);
            map().closeTALK();
        }
    }
}

TEST_F(Chests, MonsterChestFightsGroupTenAndRestoresTheZonesGroup) {
    const int zoneGroup = Vars::encounterGroup;
    h.scriptDraws({});
    openChestAhead(world::kMonsterChest);
    EXPECT_EQ(battleGroups, std::vector<int>{10});
    EXPECT_EQ(Vars::encounterGroup, zoneGroup);
    EXPECT_EQ(Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap), world::kEmptyChest);
    EXPECT_EQ(shownText(), "The chest was a monster!");
    EXPECT_EQ(scriptRuns.size(), 1u);
}

TEST_F(Chests, ALostChestFightEndsTheStepWhateverTheCounter) {
    // A counter already at 25 must not start a second battle for a fallen party.
    for (int counter : {0, 25, 30}) {
        SCOPED_TRACE(counter);
        Vars::encounterSteps = Vars::u8(counter);
        duringBattle = [] { Vars::heroHP = 0; };
        openChestAhead(world::kMonsterChest);
        EXPECT_EQ(battleGroups, std::vector<int>{10});
        EXPECT_TRUE(scriptRuns.empty());
        EXPECT_EQ(Vars::encounterSteps, counter);
        battleGroups.clear();
        Vars::heroHP = 20;
        map().closeTALK();
    }
}

TEST_F(Chests, EmptyChestsAndUnknownObjectsGiveNothing) {
    for (int code : {10, 11, 255}) {
        SCOPED_TRACE(code);
        h.scriptDraws({});
        openChestAhead(code);
        EXPECT_EQ(Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap), code);
        EXPECT_FALSE(map().talkShown());
        EXPECT_DOUBLE_EQ(Vars::rubies, 0);
    }
}

}  // namespace
}  // namespace worldtest
