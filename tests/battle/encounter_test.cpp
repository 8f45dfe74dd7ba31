// The encounter around the battle screen: difficulty, music, sound and the
// aftermath. The screen itself is closed as soon as it shows.
#include "battle/encounter.h"
#include "battle_test.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace battletest {
namespace {

class EncounterTest : public BattleTest {
protected:
    EncounterTest() {
        h.onShow("frmFight", [this](platform::Form& form) {
            hpAtStart = Vars::monsterHP;
            trackInBattle = Vars::musicTrack;
            form.unload();
        });
        // The party's level-up screens, should they show, close at once.
        for (const char* name : {"frmLevelUp", "frmNewSpell"})
            h.onShow(name, [](platform::Form& form) { form.unload(); });
    }
    std::array<std::int16_t, 3> hpAtStart{};
    int trackInBattle = -1;
};

TEST_F(EncounterTest, DifficultyScalesHitPointsWithTheFractionDropped) {
    struct Case {
        int difficulty, group;
        std::vector<Draw> draws;
        int slot, hp;
    };
    const std::vector<Draw> stinger = {{1, 7, 3}, {6000, 9000, 6000}};
    const std::vector<Draw> snake = {{8000, 10000, 8000}};
    const std::vector<Draw> finalFight = {{10000, 12000, 10000}, {10000, 12000, 10000}, {12000, 15000, 12000}};
    const Case cases[] = {
        {1, 1, stinger, 2, 10},     {2, 1, stinger, 2, 6},      {0, 1, stinger, 2, 7},
        {1, 3, snake, 2, 67},       {2, 3, snake, 2, 34},       {3, 3, snake, 2, 45},
        {1, 35, finalFight, 2, 2250}, {2, 35, finalFight, 2, 1125}, {2, 35, finalFight, 0, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("difficulty " + std::to_string(c.difficulty) + " group " + std::to_string(c.group));
        Vars::difficulty = std::uint8_t(c.difficulty);
        Vars::encounterGroup = std::uint8_t(c.group);
        h.scriptDraws(c.draws);
        Subs::startEncounter();
        EXPECT_EQ(hpAtStart[c.slot], c.hp);
        EXPECT_EQ(Vars::monsterHP, (std::array<std::int16_t, 3>{0, 0, 0}));
    }
}

TEST_F(EncounterTest, BattleMusicByMapAndGroupAndBackToTheAreaTrack) {
    struct Case {
        int map, group, track;
    };
    const Case cases[] = {{0, 0, 8},  {1, 0, 3},  {3, 0, 3},   {4, 0, 21}, {5, 0, 16},
                          {6, 0, 16}, {7, 0, 2},  {4, 25, 11}, {0, 34, 11}, {2, 35, 27}};
    for (const Case& c : cases) {
        SCOPED_TRACE("map " + std::to_string(c.map) + " group " + std::to_string(c.group));
        Vars::curMap = std::uint8_t(c.map);
        Vars::encounterGroup = std::uint8_t(c.group);
        Vars::musicTrack = 2;
        Subs::playMusic(2);
        h.seedDraws(7);
        Subs::startEncounter();
        EXPECT_EQ(trackInBattle, c.track);
        EXPECT_EQ(Vars::musicTrack, 2);
        EXPECT_EQ(Vars::areaTrack, 2);
    }
}

TEST_F(EncounterTest, AnAreaTrackEqualToTheBattleTrackPlaysOnWithoutARestart) {
    Vars::musicTrack = 8;
    Subs::playMusic(8);
    h.audio.clear();
    Subs::startEncounter();
    EXPECT_EQ(trackInBattle, 8);
    EXPECT_TRUE(h.audio.music().empty());

    Vars::musicTrack = 2;
    Subs::playMusic(2);
    h.audio.clear();
    Subs::startEncounter();
    EXPECT_EQ(h.audio.music(), (std::vector<std::string>{"close", "open:music/8.mid", "play", "close",
                                                         "open:music/2.mid", "play"}));
}

TEST_F(EncounterTest, TheBattleSoundPlaysOnlyWithSoundSetToOne) {
    for (int sound : {0, 1, 2}) {
        Vars::soundOn = std::uint8_t(sound);
        Subs::startEncounter();
    }
    EXPECT_EQ(h.audio.effects(), (std::vector<std::string>{"sound/snd20.snd"}));
}

TEST_F(EncounterTest, AtMostOneLevelPerBattleOnlyForAStandingPartyAndBelowTheTopLevel) {
    struct Case {
        int level, heroHP, allyHP;
        double exp;
        int levelAfter;
        double expAfter;
    };
    const Case cases[] = {
        {5, 100, 100, 5000, 6, 5000},     // enough for many levels: one
        {5, 100, 100, 999, 5, 999},       // one short
        {5, 0, 100, 5000, 5, 5000},       // the hero has fallen
        {5, 100, 0, 5000, 5, 5000},       // the ally has fallen
        {39, 100, 100, 5000, 40, 99999},  // the top level pins the experience
        {40, 100, 100, 5000, 40, 99999},
        {41, 100, 100, 5000, 41, 5000},   // an edited save above the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + " exp " + std::to_string(c.exp));
        Vars::heroLevel = std::uint8_t(c.level);
        Vars::heroHP = std::int16_t(c.heroHP);
        Vars::allyHP = std::int16_t(c.allyHP);
        Vars::heroExp = c.exp;
        Vars::heroNextExp = 1000;
        Subs::startEncounter();
        EXPECT_EQ(Vars::heroLevel, c.levelAfter);
        EXPECT_EQ(Vars::heroExp, c.expAfter);
    }
}

TEST_F(EncounterTest, TheMapScreenLinesHideForTheBattleAndTheSlotsAreClearedAfter) {
    frmMap& map = frmMap::get();
    map.load();
    bool lineShown = true, imageShown = true;
    h.onShow("frmFight", [&](platform::Form& form) {
        lineShown = map.lblPot[0].Visible;
        imageShown = map.add[0].Visible;
        EXPECT_TRUE(Vars::noFlee);
        form.unload();
    });
    Vars::encounterGroup = 10;
    h.seedDraws(3);
    Subs::startEncounter();
    EXPECT_FALSE(lineShown);
    EXPECT_FALSE(imageShown);
    EXPECT_FALSE(map.lblPot[0].Visible);  // the map screen brings it back itself
    EXPECT_TRUE(map.add[0].Visible);
    EXPECT_EQ(Vars::noFlee, 0);
    EXPECT_EQ(Vars::monsterPic[2], 0);
    EXPECT_EQ(Vars::monsterName[2], "");
    EXPECT_EQ(Vars::monsterDelayMax[2], 0);
}

}  // namespace
}  // namespace battletest
