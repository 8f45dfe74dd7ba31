// The whole story, played headless through the real screens: a new game, the
// opening, the walk from trigger to trigger (found by path-finding over the
// walking rule), every scene and fixed battle, the reunion's change of ally,
// the final battle, the ending and the title screen. Battles run under auto
// battle with seeded draws; scenes are closed by a key after their first tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cutscenes/frmcutscene.h"
#include "cutscenes/scene_model.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/savefile.h"
#include "shell/frmtitle.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "support/story_walk.h"
#include "world/frmmap.h"
#include "world/route.h"

namespace {

namespace vk = platform::vk;
using storywalk::Cell;

// The hall beyond the old dungeon's first passage east, which the story
// reaches without the north passage.
constexpr int kPastTheNorthPassage = 393;
using storywalk::here;

class Playthrough : public harness::GameTest, protected storywalk::Walker {
protected:
    Playthrough() : storywalk::Walker(h) {}

    void SetUp() override {
        h.linkAssets();
        savefile::createSlotNamesIfMissing();  // the splash writes it at start-up
        frmTileset::get().loadPictures();
        h.seedDraws(2024);
        Vars::autoBattle = 1;
        h.onShow("frmNewSpell", [this](platform::Form&) { h.click("frmNewSpell", "lbl3", 0); });
        h.onShow("frmCutscene", [this](platform::Form&) {
            scenes.push_back(Vars::storyStage);
            const int needed = Vars::storyStage == cutscenes::kEndingStage ? cutscenes::kEndingLastStep : 1;
            h.waitUntil([needed] { return frmCutscene::get().currentStep() >= needed; },
                        std::uint64_t(needed + 1) * 7000);
            h.key(vk::Return);
        });
        h.onShow("frmFight", [this](platform::Form&) {
            ++battles;
            if (storywalk::isFixedGroup(Vars::encounterGroup)) fights.push_back(Vars::encounterGroup);
        });
        h.onShow("frmChangeCharacter", [this](platform::Form&) {
            ++allyChanges;
            h.click("frmChangeCharacter", "lbl3", 0);
        });
    }

    // A strong party that never needs the growth figures: the top level, full
    // attributes, the best gear, and full health before every step.
    static void strengthen() {
        Vars::heroLevel = 40;
        Vars::heroExp = 99999;
        Vars::heroStr = Vars::heroDex = Vars::heroWis = 100;
        Vars::heroMaxHP = 500;
        Vars::heroMaxMP = 200;
        Vars::heroEquip = {5, 6, 4, 4, 3};
        Vars::heroItems = {99, 99, 99, 99};
    }
    static void refill() {
        Vars::heroHP = Vars::heroMaxHP;
        Vars::heroMP = Vars::heroMaxMP;
        if (Vars::allyHP < Vars::allyMaxHP) Vars::allyHP = Vars::allyMaxHP;
    }

    // Every step with full health; each checks that the story never goes back
    // and that the step after a scene keeps the music its after-effect left.
    void press(int key) override {
        refill();
        const int before = Vars::storyStage, mapBefore = Vars::curMap;
        const std::size_t scenesBefore = scenes.size();
        storywalk::Walker::press(key);
        ++steps;
        EXPECT_GE(Vars::storyStage, before) << "the story went back";
        if (trackAfterScene && Vars::curMap == mapBefore) {
            EXPECT_EQ(Vars::musicTrack, *trackAfterScene) << "the step after the scene before " << before;
        }
        trackAfterScene.reset();
        if (scenes.size() != scenesBefore && map().isLoaded()) trackAfterScene = Vars::musicTrack;
    }

    // Saves into a slot through F5, then loads it through F7: the story goes on
    // from the loaded game on a fresh map screen.
    void saveAndLoad(int slot) {
        const Cell at = here();
        const int stage = Vars::storyStage, ally = Vars::allyId;
        const auto quests = Vars::questFlags;
        h.click("frmGame", "lbl3", slot);
        h.keyNow(vk::F5);
        Vars::storyStage = 1;  // spoil what the load must bring back
        Vars::allyId = 0;
        Vars::questFlags = {};
        h.click("frmGame", "lbl3", slot);
        h.keyNow(vk::F7);
        EXPECT_TRUE(map().visible());
        EXPECT_EQ(here(), at);
        EXPECT_EQ(Vars::storyStage, stage);
        EXPECT_EQ(Vars::allyId, ally);
        EXPECT_EQ(Vars::questFlags, quests);
        loadedAt.push_back(stage);
    }

    // The old dungeon's north passage, which the way on passed by: its
    // fourteen fights in order, with a save and a load halfway up.
    void walkTheNorthPassage() {
        const std::uint8_t& place = Vars::questFlags[world::kNorthPassageQuest];
        EXPECT_EQ(place, 0);
        bool saved = false;
        while (place != world::kQuestDone && map().isLoaded()) {
            if (place == 7 && !saved) {
                saveAndLoad(int(loadedAt.size()));
                saved = true;
            }
            std::string why;
            if (!advanceQuest(world::kNorthPassageQuest, why)) {
                ADD_FAILURE() << why;
                return;
            }
        }
    }

    std::vector<int> scenes, fights, loadedAt;
    std::optional<int> trackAfterScene;
    int battles = 0, steps = 0, allyChanges = 0;
};

TEST_F(Playthrough, FromANewGameToTheTitleAfterTheEnding) {
    const auto started = std::chrono::steady_clock::now();
    frmTitle::get().show();
    for (int i = 0; i < 10; ++i) h.click("frmNew", "lbl3", 1);  // every point into strength
    h.click("frmNew", "lbl3", 7);                               // OK
    h.clickNow(harness::Harness::control("frmTitle", "Label3", 0));
    ASSERT_TRUE(map().visible());
    ASSERT_EQ(Vars::storyStage, 1);
    strengthen();

    const std::set<int> saveAt = {166, 264, 898};
    while (Vars::storyStage < 1000 && map().isLoaded()) {
        if (saveAt.contains(Vars::storyStage) && !std::count(loadedAt.begin(), loadedAt.end(), Vars::storyStage))
            saveAndLoad(int(loadedAt.size()));
        if (Vars::storyStage == kPastTheNorthPassage && Vars::questFlags[world::kNorthPassageQuest] == 0)
            walkTheNorthPassage();
        std::string why;
        if (!advanceStage(why)) {
            if (!why.empty()) ADD_FAILURE() << why;
            break;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    // Every scene once, in the story's order.
    EXPECT_EQ(scenes, (std::vector<int>{0,   68,  121, 166, 190, 203, 259, 313, 320, 340, 344, 373,
                                        417, 424, 460, 500, 546, 648, 700, 738, 800, 896, 1000}));
    // Every fixed fight once, where the route puts it: map 1 before the palace,
    // map 1 and 2 after it, the tower, the road down to the pass, the frozen
    // caves and the hold with its last guards.
    EXPECT_EQ(fights, (std::vector<int>{6,  16, 18, 20, 17, 19, 21, 22, 3,  6,  6,  8,  25, 6,
                                        9,  36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
                                        49, 14, 6,  6,  25, 25, 38, 39, 39, 34, 27, 40, 42, 43, 35}));
    EXPECT_EQ(allyChanges, 1);
    EXPECT_EQ(loadedAt, (std::vector<int>{166, 264, kPastTheNorthPassage, 898}));
    // The end the story gives.
    EXPECT_EQ(Vars::storyStage, 1000);
    EXPECT_EQ(Vars::heroHP, 0);
    EXPECT_EQ(Vars::areaTrack, 2);
    EXPECT_FALSE(map().isLoaded());
    EXPECT_TRUE(frmTitle::get().visible());

    std::printf("play-through: %.2f s real, %.0f min of play, %d steps, %d battles (%zu fixed)\n", seconds,
                double(h.now()) / 60000, steps, battles, fights.size());
}

}  // namespace
