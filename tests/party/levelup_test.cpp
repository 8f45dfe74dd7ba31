// The level-up: the experience table, the growth rule, which screens come up
// and how the level-up screen is worked.
#include <string>

#include "battle/encounter.h"
#include "party/companions.h"
#include "party/frmlevelup.h"
#include "party/party.h"
#include "party/progression.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "shell/vars.h"
#include "support/harness.h"

namespace {

using platform::Label;

// From level 10 on a level costs ten times its square; the first nine steps
// (8, 30, 70, 130, 210, 320, 460, 620, 800) add up to 2648.
TEST(ExperienceTable, FollowsItsRule) {
    double firstSeven = 0;
    for (int level = 1; level <= 7; ++level) firstSeven += party::nextExpAt(level);
    EXPECT_EQ(firstSeven, 633);
    for (int level = 8; level < party::kTopLevel; ++level)
        EXPECT_EQ(party::nextExpAt(level), 5.0 * level * level - 25.0 * level + 130) << "level " << level;
}

TEST(ExperienceTable, RisesEverMoreSteeply) {
    double lastStep = 0;
    for (int level = 2; level < party::kTopLevel; ++level) {
        const double step = party::nextExpAt(level) - party::nextExpAt(level - 1);
        EXPECT_GE(step, lastStep) << "level " << level;
        lastStep = step;
    }
    EXPECT_GT(party::nextExpAt(1), 0);
    // The top matches the experience the battle pins there; levels out of
    // range read as the nearest.
    EXPECT_EQ(party::nextExpAt(party::kTopLevel), 99999);
    EXPECT_EQ(party::nextExpAt(0), party::nextExpAt(1));
    EXPECT_EQ(party::nextExpAt(255), party::nextExpAt(party::kTopLevel));
}

TEST(SpellPoints, EightLevelsCompleteTheNineGroupLevels) {
    int points = 1;  // hero creation's
    for (int level = 2; level <= party::kTopLevel; ++level)
        points += party::grantsSpellPoint(level);
    EXPECT_EQ(points, 9);
}

class LevelUpTest : public harness::HarnessTest {
protected:
    void SetUp() override {
        Vars::soundOn = 1;
        Vars::heroName = "Nina";
        Vars::heroLevel = 4;
        Vars::heroExp = 500;
        Vars::heroHP = 40;
        Vars::heroMaxHP = 60;
        Vars::heroMaxMP = 20;
        Vars::heroStr = 30;
        Vars::heroDex = 10;
        Vars::heroWis = 45;
        Vars::heroSpells = {1, 0, 0};
        Vars::allyId = party::kJack;
        Vars::allyHP = 1;
        Subs::setAlly(party::kJack);
    }
    // Scripts clicks on entries of the level-up screen.
    void clicks(std::initializer_list<int> entries) {
        for (int e : entries) h.click("frmLevelUp", "lbl3", e);
    }
    void spendAndClose() {
        clicks({frmLevelUp::kRaise, frmLevelUp::kRaise, frmLevelUp::kRaise, frmLevelUp::kDone});
    }
};

TEST_F(LevelUpTest, OneLevelWithItsGainsEvenWhenTheExperienceCoversTwo) {
    const int allyMaxBefore = Vars::allyMaxHP;
    spendAndClose();
    Subs::levelUp();
    EXPECT_EQ(Vars::heroLevel, 5);
    EXPECT_EQ(Vars::heroNextExp, 115);
    EXPECT_GT(Vars::heroExp, Vars::heroNextExp);  // the surplus waits for the next battle
    // Strength 30 and wisdom 45 each add one to the base 7 and 2.
    EXPECT_EQ(Vars::heroMaxHP, 60 + 7 + 1);
    EXPECT_EQ(Vars::heroMaxMP, 20 + 2 + 1);
    EXPECT_EQ(Vars::heroHP, 40);  // only the maxima rise
    EXPECT_EQ(Vars::heroStr, 33);
    EXPECT_GT(Vars::allyMaxHP, allyMaxBefore);  // the companion grows with the hero
    EXPECT_EQ(Vars::allyHP, 1);
    ASSERT_FALSE(h.audio.effects().empty());
    EXPECT_EQ(h.audio.effects().front(), "sound/snd28.snd");
}

TEST_F(LevelUpTest, EachBattleGivesOneLevelWithItsScreen) {
    h.onShow("frmFight", [](platform::Form& fight) { fight.unload(); });
    Vars::encounterGroup = 0;
    Vars::heroExp = 5000;
    Vars::heroNextExp = party::nextExpAt(4);
    for (int level : {5, 6}) {
        spendAndClose();
        Subs::startEncounter();
        EXPECT_EQ(Vars::heroLevel, level);
        EXPECT_EQ(Vars::heroStr, 30 + 3 * (level - 4));
    }
}

TEST_F(LevelUpTest, SpellPointLevelShowsTheSpellScreenAfterTheLevelScreen) {
    Vars::heroLevel = 7;
    std::vector<std::string> shown;
    h.onShow("frmLevelUp", [&](platform::Form&) { shown.push_back("frmLevelUp"); });
    h.onShow("frmNewSpell", [&](platform::Form&) { shown.push_back("frmNewSpell"); });
    spendAndClose();
    h.click("frmNewSpell", "lbl3", 2);
    Subs::levelUp();
    EXPECT_EQ(shown, (std::vector<std::string>{"frmLevelUp", "frmNewSpell"}));
    EXPECT_EQ(Vars::heroSpells[2], 1);
}

TEST_F(LevelUpTest, NoScreenWhenTheSpellGroupsAreFullOrTheHeroHasFallen) {
    Vars::heroLevel = 7;
    Vars::heroSpells = {3, 3, 3};
    h.onShow("frmNewSpell", [](platform::Form&) { ADD_FAILURE() << "nothing left to learn"; });
    spendAndClose();
    Subs::levelUp();
    EXPECT_EQ(Vars::heroLevel, 8);

    Vars::heroHP = 0;
    h.onShow("frmLevelUp", [](platform::Form&) { ADD_FAILURE() << "the hero has fallen"; });
    Subs::levelUp();
    EXPECT_EQ(Vars::heroLevel, 9);
}

TEST_F(LevelUpTest, MagicPointsStopAtTheTopOfTheByteAndLevelsAtForty) {
    Vars::heroLevel = 39;
    Vars::heroMaxMP = 250;
    Vars::heroWis = 100;
    clicks({frmLevelUp::kRaise + 1, frmLevelUp::kRaise + 1, frmLevelUp::kRaise + 1,
            frmLevelUp::kDone});
    Subs::levelUp();
    EXPECT_EQ(Vars::heroMaxMP, 255);
    EXPECT_EQ(Vars::heroLevel, 40);
    Subs::levelUp();  // the top: nothing at all
    EXPECT_EQ(Vars::heroLevel, 40);
    EXPECT_EQ(Vars::heroMaxMP, 255);
}

// Growth at its boundaries: each 25 of an attribute adds one.
TEST(Growth, StepsAtEachQuarterOfTheAttributeRange) {
    struct Case {
        int attribute, hp, mp;
    };
    for (Case c : {Case{10, 7, 2}, Case{24, 7, 2}, Case{25, 8, 3}, Case{49, 8, 3}, Case{50, 9, 4},
                   Case{75, 10, 5}, Case{99, 10, 5}, Case{100, 11, 6}}) {
        const party::LevelGains g = party::gainsFor(c.attribute, c.attribute);
        EXPECT_EQ(g.maxHP, c.hp) << c.attribute;
        EXPECT_EQ(g.maxMP, c.mp) << c.attribute;
        EXPECT_EQ(g.points, 3);
    }
}

// A hero at the top attributes from the first level reaches level 40 within
// the save editor's bars: 25 + 39 * 11 = 454 hit points, 14 + 39 * 6 = 248.
TEST_F(LevelUpTest, AHeroOfLevelFortyFitsTheSaveEditorsBars) {
    Vars::heroLevel = 1;
    Vars::heroMaxHP = 25;
    Vars::heroMaxMP = 14;
    Vars::heroStr = Vars::heroWis = 100;
    Vars::heroHP = 0;  // no level-up screens
    while (Vars::heroLevel < party::kTopLevel) Subs::levelUp();
    EXPECT_EQ(Vars::heroMaxHP, 454);
    EXPECT_EQ(Vars::heroMaxMP, 248);

    // An edited save at the tops stays there.
    Vars::heroLevel = 10;
    Vars::heroMaxHP = 495;
    Vars::heroMaxMP = 252;
    Subs::levelUp();
    EXPECT_EQ(Vars::heroMaxHP, 500);
    EXPECT_EQ(Vars::heroMaxMP, 255);
}

// The screen says what the maxima gained: at their caps, less or nothing.
TEST_F(LevelUpTest, TheScreenShowsTheGainLeftBelowTheCaps) {
    struct Case {
        int maxHP, maxMP;
        const char* shown;
        int maxHPAfter, maxMPAfter;
    };
    const Case cases[] = {
        {488, 248, "Max HP +11    Max MP +6", 499, 254},
        {489, 249, "Max HP +11    Max MP +6", 500, 255},
        {490, 250, "Max HP +10    Max MP +5", 500, 255},
        {499, 254, "Max HP +1    Max MP +1", 500, 255},
        {500, 255, "Max HP +0    Max MP +0", 500, 255},
        {600, 255, "Max HP +0    Max MP +0", 600, 255},  // edited beyond the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxHP);
        Vars::heroLevel = 4;
        Vars::heroMaxHP = Vars::i16(c.maxHP);
        Vars::heroMaxMP = Vars::u8(c.maxMP);
        Vars::heroStr = Vars::heroWis = 100;  // the top gains: 11 and 6
        Vars::heroDex = 10;
        std::string shown;
        h.then([&] {
            shown = static_cast<Label&>(harness::Harness::control("frmLevelUp", "lblGains")).Caption;
        });
        clicks({frmLevelUp::kRaise + 1, frmLevelUp::kRaise + 1, frmLevelUp::kRaise + 1,
                frmLevelUp::kDone});
        Subs::levelUp();
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(Vars::heroMaxHP, c.maxHPAfter);
        EXPECT_EQ(Vars::heroMaxMP, c.maxMPAfter);
    }
}

TEST_F(LevelUpTest, PointsStayWithinTheRangeAndDoneWaitsForThem) {
    Vars::heroStr = 99;
    auto entry = [](int i) -> Label& {
        return static_cast<Label&>(harness::Harness::control("frmLevelUp", "lbl3", i));
    };
    std::vector<std::string> boxes;
    h.onShow("MsgBox", [&](platform::Form& box) {
        boxes.push_back(box.Caption + ": " +
                        static_cast<Label&>(harness::Harness::control("MsgBox", "lblPrompt")).Caption);
    });
    clicks({frmLevelUp::kDone});  // refused: 3 points left
    h.answerMsgBox(platform::vbOK);
    h.then([&] {
        EXPECT_EQ(boxes, (std::vector<std::string>{"Level Up: Please spend all your points."}));
        EXPECT_TRUE(frmLevelUp::get().visible());
    });
    clicks({frmLevelUp::kRaise,       // strength 100
            frmLevelUp::kRaise,       // refused: at the top
            frmLevelUp::kLower + 1,   // refused: not spent here
            frmLevelUp::kRaise + 2,   // wisdom 46
            frmLevelUp::kLower + 2}); // taken back: 45
    h.hover("frmLevelUp", "lbl3", frmLevelUp::kRaise + 1);
    h.then([&] {
        EXPECT_EQ(entry(frmLevelUp::kRaise + 1).ForeColor, platform::vbWhite);
        EXPECT_EQ(entry(frmLevelUp::kRaise).ForeColor, platform::vbBlack);
        EXPECT_EQ(static_cast<Label&>(harness::Harness::control("frmLevelUp", "lblPoints")).Caption,
                  "Points to spend: 2");
    });
    clicks({frmLevelUp::kRaise + 1, frmLevelUp::kRaise + 1, frmLevelUp::kDone});
    Subs::levelUp();
    EXPECT_EQ(Vars::heroStr, 100);
    EXPECT_EQ(Vars::heroDex, 12);
    EXPECT_EQ(Vars::heroWis, 45);
    EXPECT_EQ(boxes.size(), 1u) << "Done with every point spent closes without a word";
    // The fanfare, then one choosing sound per accepted click; hovering is silent.
    const auto effects = h.audio.effects();
    EXPECT_EQ(effects.size(), 1u + 6u);
}

TEST_F(LevelUpTest, AttributesAllAtTheTopLetTheScreenClose) {
    Vars::heroStr = Vars::heroDex = Vars::heroWis = 100;
    h.onShow("MsgBox", [](platform::Form&) { ADD_FAILURE() << "no point can be spent"; });
    clicks({frmLevelUp::kDone});
    Subs::levelUp();
    EXPECT_FALSE(frmLevelUp::get().isLoaded());
}

TEST_F(LevelUpTest, OneAttributeBelowTheTopStillWantsThePoints) {
    int boxes = 0;
    h.onShow("MsgBox", [&](platform::Form&) { ++boxes; });
    for (int low = 0; low < 3; ++low) {
        SCOPED_TRACE(low);
        Vars::heroLevel = 4;
        Vars::heroStr = Vars::heroDex = Vars::heroWis = 100;
        (low == 0 ? Vars::heroStr : low == 1 ? Vars::heroDex : Vars::heroWis) = 99;
        clicks({frmLevelUp::kDone});
        h.answerMsgBox(platform::vbOK);
        clicks({frmLevelUp::kRaise + low, frmLevelUp::kDone});  // two points stay: nothing takes them
        Subs::levelUp();
        EXPECT_EQ(boxes, low + 1);
        EXPECT_FALSE(frmLevelUp::get().isLoaded());
    }
}

}  // namespace
