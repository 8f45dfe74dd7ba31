// The player's timing, key rule and reloads, on every scene.
#include <limits>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

using CutscenePlayer = CutsceneTest;

TEST_F(CutscenePlayer, KeyIsIgnoredUntilTheFirstTick) {
    start(0);
    h.advance(6999);
    pressKey();
    EXPECT_TRUE(screen().isLoaded());
    EXPECT_EQ(screen().currentStep(), 0);
    h.advance(1);
    EXPECT_EQ(screen().currentStep(), 1);
    pressKey();
    EXPECT_FALSE(screen().isLoaded());
}

TEST_F(CutscenePlayer, EveryScriptedSceneClosesItselfAfterSevenSecondsPerStep) {
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group()) {
            if (scene.stage == kEndingStage) continue;
            SCOPED_TRACE(scene.stage);
            start(scene.stage);
            h.advance(std::uint64_t(scene.stepCount) * 7000 - 1);
            EXPECT_TRUE(screen().isLoaded());
            EXPECT_EQ(screen().currentStep(), scene.stepCount - 1);
            h.advance(1);
            EXPECT_FALSE(screen().isLoaded());
        }
}

TEST_F(CutscenePlayer, TheEndingWaitsForAKeyFromItsLastStepOn) {
    start(kEndingStage);
    tickTo(kEndingLastStep - 1);
    pressKey();
    EXPECT_TRUE(screen().isLoaded());
    tickTo(kEndingLastStep + 100);
    EXPECT_TRUE(screen().isLoaded());
    pressKey();
    EXPECT_FALSE(screen().isLoaded());
}

TEST_F(CutscenePlayer, TheCounterStopsAtItsLargestValueAndTheKeyStillCloses) {
    constexpr int kMax = std::numeric_limits<std::int16_t>::max();
    start(kEndingStage);
    h.advance(std::uint64_t(kMax + 3) * 7000);
    EXPECT_EQ(screen().currentStep(), kMax);
    pressKey();
    EXPECT_FALSE(screen().isLoaded());
}

TEST_F(CutscenePlayer, AStageWithoutAScriptShowsTheEmptyScreenAndClosesOnAKey) {
    Vars::musicOn = 1;
    start(1);
    EXPECT_EQ(screen().Image2->picture(), nullptr);
    EXPECT_EQ(faceShown(), nullptr);
    EXPECT_EQ(screen().Label2->Caption, "");
    pressKey();
    EXPECT_TRUE(screen().isLoaded());
    tickTo(1);
    pressKey();
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_EQ(Vars::musicTrack, 2);
    EXPECT_TRUE(h.audio.music().empty());
}

// The set-up's track and the return track are recorded whether or not the
// music is on; only with it on are they opened.
TEST_F(CutscenePlayer, MusicOnOrOffTheTracksAreRecorded) {
    for (Vars::u8 musicOn : {0, 1}) {
        Vars::musicOn = musicOn;
        h.audio.clear();
        start(0);
        EXPECT_EQ(Vars::musicTrack, 4);
        tickTo(1);
        pressKey();
        EXPECT_EQ(Vars::musicTrack, 1);
        std::vector<std::string> opened;
        for (const std::string& m : h.audio.music())
            if (m.starts_with("open:")) opened.push_back(m);
        const std::vector<std::string> both = {"open:music/4.mid", "open:music/1.mid"};
        EXPECT_EQ(opened, musicOn ? both : std::vector<std::string>());
    }
}

TEST_F(CutscenePlayer, ShowingAgainStartsFromTheDesignState) {
    start(0);
    tickTo(66);
    pressKey();
    start(1);
    EXPECT_EQ(screen().currentStep(), 0);
    EXPECT_TRUE(screen().Image1->Visible);
    EXPECT_EQ(faceShown(), nullptr);
    EXPECT_EQ(screen().Image2->picture(), nullptr);
    for (auto& [slot, image] : screen().pic) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(image->Visible);
        EXPECT_EQ(image->picture(), nullptr);
    }
    for (auto& [i, label] : screen().lbl) EXPECT_FALSE(label->Visible);
}

TEST_F(CutscenePlayer, TheScreenIsShownModallyAndReturnsWhenSkipped) {
    h.wait(7000);
    h.key(platform::vk::Return);
    Vars::storyStage = 0;
    screen().showModal();
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_EQ(h.now(), 1000u + 7000u);
    EXPECT_EQ(Vars::musicTrack, 1);
}

// The narration labels' places: six 600 twips apart from 960, then three
// 720 apart from 4680, all hidden until the ending tells them.
TEST_F(CutscenePlayer, NarrationLabelsStandWhereTheDesignPutsThem) {
    start(0);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(screen().lbl[i].Top, i < 6 ? 960 + 600 * i : 4680 + 720 * (i - 6)) << i;
        EXPECT_EQ(screen().lbl[i].Alignment, platform::Align::Center) << i;
        EXPECT_FALSE(screen().lbl[i].Visible) << i;
    }
}

// Hand totals of the set-up table over its 23 scenes: the backdrops, the
// faces, each sprite as (slot + 1) x (picture + 1), and the tracks.
TEST_F(CutscenePlayer, TheSetUpsAddUpToTheTable) {
    int backdrops = 0, faces = 0, sprites = 0, tracks = 0;
    for (std::int16_t stage : {0, 68, 121, 166, 190, 203, 259, 313, 320, 340, 344, 373, 417, 424, 460, 500,
                               546, 648, 700, 738, 800, 896, 1000}) {
        Vars::musicTrack = 0;
        start(stage);
        for (int b = 0; b < kBackdrops; ++b) backdrops += screen().Image2->picture() == store().battle[b] ? b : 0;
        for (int f : kFaces) faces += faceShown() == store().img[f] ? f : 0;
        for (int slot = 0; slot < 11; ++slot)
            for (int k = 0; k < kSpritePictures; ++k)
                sprites += figure(slot) && figure(slot) == store().pic[k] ? (slot + 1) * (k + 1) : 0;
        tracks += Vars::musicTrack;
        screen().unload();
    }
    EXPECT_EQ(backdrops, 162);
    EXPECT_EQ(faces, 735);
    EXPECT_EQ(sprites, 1698);
    EXPECT_EQ(tracks, 143);
}

}  // namespace
}  // namespace cutscenes::test
