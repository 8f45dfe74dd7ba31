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

    // Runs stage to its end, by its last step or by a key after `skipAt` ticks.
    void play(std::int16_t stage, std::optional<int> skipAt) {
        start(stage);
        spy.seen.clear();
        if (skipAt) {
            tickTo(*skipAt);
            pressKey();
        } else {
            tickTo(findScene(stage)->stepCount);
        }
        ASSERT_FALSE(screen().isLoaded());
    }

    TrackSpy spy;
};

TEST_F(CutsceneAfterEffects, Stage166MovesTheHeroThenJackJoinsAtFullHealthThenTrack0) {
    for (std::optional<int> skipAt : {std::optional<int>(), std::optional<int>(1), std::optional<int>(14)}) {
        SCOPED_TRACE(skipAt.value_or(0));
        Vars::curMap = 4;
        Vars::allyId = 21, Vars::allyHP = 3;
        play(166, skipAt);
        ASSERT_EQ(spy.seen.size(), 1u);
        const AtTrack& at = spy.seen[0];
        EXPECT_EQ(at.path, "music/0.mid");
        EXPECT_EQ(at.posX, 152);
        EXPECT_EQ(at.posY, 130);
        EXPECT_EQ(at.allyId, 51);
        EXPECT_EQ(at.allyHP, at.allyMaxHP);
        EXPECT_EQ(Vars::curMap, 4);
        EXPECT_EQ(Vars::musicTrack, 0);
    }
}

TEST_F(CutsceneAfterEffects, Stage344PlaysTrack18BeforeRyuJoins) {
    Vars::allyId = 21;
    play(344, 3);
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].path, "music/18.mid");
    EXPECT_EQ(spy.seen[0].allyId, 21);
    EXPECT_EQ(Vars::allyId, 12);
    EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
}

TEST_F(CutsceneAfterEffects, ACompanionJoinsAtFullHealthWhateverCameBefore) {
    struct Case {
        std::int16_t stage;
        Vars::u8 joins;
    };
    for (Case c : {Case{190, 21}, Case{344, 12}, Case{166, 51}})
        for (Vars::i16 woundedHP : {Vars::i16(1), Vars::i16(0)}) {
            SCOPED_TRACE(c.stage);
            Vars::allyId = 47, Vars::allyHP = woundedHP, Vars::allyMaxHP = 90;
            play(c.stage, 1);
            EXPECT_EQ(Vars::allyId, c.joins);
            EXPECT_GT(Vars::allyMaxHP, 0);
            EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
        }
}

TEST_F(CutsceneAfterEffects, RunOnceOnTheLastStepOrOnAKey) {
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group())
            for (bool skip : {false, true}) {
                if (scene.stage == kEndingStage) continue;
                SCOPED_TRACE(testing::Message() << scene.stage << (skip ? " skipped" : " to the end"));
                Vars::musicTrack = 99;
                play(scene.stage, skip ? std::optional<int>(1) : std::nullopt);
                // A key after closing reaches nothing.
                pressKey();
                std::size_t tracks = 0;
                for (const Operation& o : scene.afterEffects) tracks += o.op == Op::playTrack;
                EXPECT_EQ(spy.seen.size(), tracks);
                if (tracks == 0) {
                    EXPECT_EQ(Vars::musicTrack, 99);
                }
            }
}

TEST_F(CutsceneAfterEffects, TheOpeningLeavesTheStoryAtStage0WithTrack1) {
    for (int skipAt : {1, 30, 67}) {
        play(0, skipAt);
        EXPECT_EQ(Vars::storyStage, 0);
        EXPECT_EQ(Vars::musicTrack, 1);
    }
}

TEST_F(CutsceneAfterEffects, ScenesWithoutAfterEffectsLeaveTheMusicAlone) {
    for (std::int16_t stage : {190, 417, 500}) {
        SCOPED_TRACE(stage);
        Vars::musicTrack = 7;
        start(stage);
        EXPECT_EQ(Vars::musicTrack, 7);
        tickTo(1);
        pressKey();
        EXPECT_EQ(Vars::musicTrack, 7);
    }
    Vars::musicTrack = 7;
    start(kEndingStage);
    tickTo(kEndingLastStep);
    const Vars::u8 during = Vars::musicTrack;
    pressKey();
    EXPECT_EQ(Vars::musicTrack, during);
}

}  // namespace
}  // namespace cutscenes::test
