// What closing a scene does to the game, by the last step or by a key.
#include <optional>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

// What the game held when a track was opened.
struct AtTrack {
    std::string path;
    Vars::i16 posX, posY;
    Vars::u8 allyId;
    Vars::i16 allyHP, allyMaxHP;
};

class TrackSpy : public harness::RecordingAudio {
public:
    void musicOpen(const std::string& path) override {
        RecordingAudio::musicOpen(path);
        seen.push_back({music().back().substr(5), Vars::posX, Vars::posY, Vars::allyId,
                        Vars::allyHP, Vars::allyMaxHP});
    }
    std::vector<AtTrack> seen;
};

class CutsceneAfterEffects : public CutsceneTest {
protected:
    void SetUp() override {
        CutsceneTest::SetUp();
        Vars::musicOn = 1;
        platform::Runtime::get().setAudio(&spy);
    }
    void TearDown() override { platform::Runtime::get().setAudio(&h.audio); }

    // Plays `stage` and closes it by a key after step `keyAfter`, or by its
    // last step; returns the tracks opened by the closing alone.
    std::vector<AtTrack> playAndClose(std::int16_t stage, std::optional<int> keyAfter) {
        const int steps = findScene(stage)->stepCount;
        start(stage);
        tickTo(keyAfter.value_or(steps - 1));
        const std::size_t opened = spy.seen.size();
        if (keyAfter)
            pressKey();
        else
            tickTo(steps);
        EXPECT_FALSE(screen().isLoaded());
        pressKey();  // reaches nothing once closed
        return {spy.seen.begin() + std::ptrdiff_t(opened), spy.seen.end()};
    }

    TrackSpy spy;
};

TEST_F(CutsceneAfterEffects, Stage166MovesTheHeroThenJackJoinsAtFullHealthThenTrack0) {
    for (std::optional<int> keyAfter : {std::optional<int>(), std::optional<int>(1), std::optional<int>(14)}) {
        SCOPED_TRACE(keyAfter.value_or(0));
        Vars::curMap = 4;
        Vars::allyId = 21, Vars::allyHP = 3;
        const auto tracks = playAndClose(166, keyAfter);
        ASSERT_EQ(tracks.size(), 1u);
        EXPECT_EQ(tracks[0].path, "music/0.mid");
        EXPECT_EQ(tracks[0].posX, 152);
        EXPECT_EQ(tracks[0].posY, 130);
        EXPECT_EQ(tracks[0].allyId, 51);
        EXPECT_EQ(tracks[0].allyHP, tracks[0].allyMaxHP);
        EXPECT_EQ(Vars::curMap, 4);
    }
}

// Every scene closed by a key with track 100 playing and companion 18 at the
// side. Hand totals of the after-effects table: the 23 stages 0 to 1000 add up
// to 9826; the tracks left playing to
// 1+1+0+0+100+0+14+9+18+18+18+9+100+19+17+100+23+17+14+17+25+19+100 = 639,
// 19 of them opened; the companions to 20 x 18 + Jack 51 + Sonia 21 + Ryu 12 = 444.
TEST_F(CutsceneAfterEffects, EveryClosingAddsUpToTheTableAndLeavesTheStoryWhereItIs) {
    int stages = 0, scenes = 0, tracks = 0, allies = 0;
    std::size_t opened = 0;
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group()) {
            SCOPED_TRACE(scene.stage);
            stages += scene.stage;
            ++scenes;
            Vars::posX = 11, Vars::posY = 20;
            Vars::allyId = 18, Vars::allyHP = 1;
            start(scene.stage);
            tickTo(scene.stage == kEndingStage ? kEndingLastStep : 1);
            Vars::musicTrack = 100;
            const std::size_t before = spy.seen.size();
            pressKey();
            ASSERT_FALSE(screen().isLoaded());
            // Stage 166 sets its track after Jack joins; 344 before Ryu does.
            for (std::size_t i = before; i < spy.seen.size(); ++i) {
                EXPECT_EQ(spy.seen[i].path, "music/" + std::to_string(Vars::musicTrack) + ".mid");
                EXPECT_EQ(spy.seen[i].allyId, scene.stage == 166 ? 51 : 18);
            }
            opened += spy.seen.size() - before;
            tracks += Vars::musicTrack;
            allies += Vars::allyId;
            if (Vars::allyId != 18) {
                EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);  // a new companion joins at full health
            }
            EXPECT_EQ(Vars::posX, scene.stage == 166 ? 152 : 11);
            EXPECT_EQ(Vars::posY, scene.stage == 166 ? 130 : 20);
            EXPECT_EQ(Vars::storyStage, scene.stage);
        }
    EXPECT_EQ(scenes, 23);
    EXPECT_EQ(stages, 9826);
    EXPECT_EQ(tracks, 639);
    EXPECT_EQ(opened, 19u);
    EXPECT_EQ(allies, 444);
}

}  // namespace
}  // namespace cutscenes::test
