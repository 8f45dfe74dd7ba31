// What closing a scene does to the game, by the last step or by a key.
#include <optional>
#include <set>

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
        trackBeforeClosing = Vars::musicTrack;
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
    Vars::u8 trackBeforeClosing = 0;
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
        EXPECT_EQ(Vars::musicTrack, 0);
    }
}

TEST_F(CutsceneAfterEffects, Stage344PlaysTrack18BeforeRyuJoins) {
    Vars::allyId = 21;
    const auto tracks = playAndClose(344, 3);
    ASSERT_EQ(tracks.size(), 1u);
    EXPECT_EQ(tracks[0].path, "music/18.mid");
    EXPECT_EQ(tracks[0].allyId, 21);
    EXPECT_EQ(Vars::allyId, 12);
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
            playAndClose(c.stage, 1);
            EXPECT_EQ(Vars::allyId, c.joins);
            EXPECT_GT(Vars::allyMaxHP, 0);
            EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
        }
}

// What closing each scene does: the track it opens (none: the music plays
// on) and the companion who joins (0: none).
struct Closing {
    std::int16_t stage;
    std::optional<int> track;
    Vars::u8 joins;
};
const Closing kClosings[] = {
    {0, 1, 0},      {68, 1, 0},     {121, 0, 0},    {166, 0, 51},   {190, {}, 21},
    {203, 0, 0},    {259, 14, 0},   {313, 9, 0},    {320, 18, 0},   {340, 18, 0},
    {344, 18, 12},  {373, 9, 0},    {417, {}, 0},   {424, 19, 0},   {460, 17, 0},
    {500, {}, 0},   {546, 23, 0},   {648, 17, 0},   {700, 14, 0},   {738, 17, 0},
    {800, 25, 0},   {896, 19, 0},   {1000, {}, 0},
};

TEST_F(CutsceneAfterEffects, EveryStageHasItsClosing) {
    std::set<int> scripted, listed;
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group()) scripted.insert(scene.stage);
    for (const Closing& c : kClosings) listed.insert(c.stage);
    EXPECT_EQ(listed, scripted);
}

TEST_F(CutsceneAfterEffects, RunOnceOnTheLastStepOrOnAKeyAndLeaveTheStoryWhereItIs) {
    for (const Closing& c : kClosings)
        for (bool byKey : {false, true}) {
            const bool ending = c.stage == kEndingStage;
            if (ending && !byKey) continue;
            SCOPED_TRACE(testing::Message() << c.stage << (byKey ? " closed by a key" : ""));
            Vars::posX = 11, Vars::posY = 20;
            Vars::allyId = 18;
            const auto tracks = playAndClose(
                c.stage, byKey ? std::optional<int>(ending ? kEndingLastStep : 1) : std::nullopt);
            std::vector<std::string> opened;
            for (const AtTrack& t : tracks) opened.push_back(t.path);
            if (c.track) {
                EXPECT_EQ(opened, std::vector<std::string>{"music/" + std::to_string(*c.track) + ".mid"});
                EXPECT_EQ(Vars::musicTrack, *c.track);
            } else {
                EXPECT_TRUE(opened.empty());
                EXPECT_EQ(Vars::musicTrack, trackBeforeClosing);
            }
            EXPECT_EQ(Vars::allyId, c.joins ? c.joins : 18);
            const bool moves = c.stage == 166;
            EXPECT_EQ(Vars::posX, moves ? 152 : 11);
            EXPECT_EQ(Vars::posY, moves ? 130 : 20);
            EXPECT_EQ(Vars::storyStage, c.stage);
        }
}

}  // namespace
}  // namespace cutscenes::test
