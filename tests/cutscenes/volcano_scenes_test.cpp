// The nine scenes from Sonia before the volcano to the alarm outside it, as
// the player shows them: who speaks at each step, the figures that change and
// the one sound.
#include <cctype>
#include <string_view>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

// One letter per step from step 1 on: R Ryu, H the hero, S Sonia, T Tina,
// J Jack, D Darwin, M Maurice, Y Myst, C Chi. A capital sets that face at the
// step; a small letter keeps the face already on screen.
struct FigureChange {
    int step, slot, picture;
};

struct Case {
    std::int16_t stage;
    int steps;
    std::string_view speakers;
    std::vector<FigureChange> figures;
    std::vector<int> silentBeats;  // steps whose line is "..."
    int soundStep = 0;             // the step that plays sound 5, if any
};

const Case kCases[] = {
    {417, 43,
     "ssssssssss"  // 1-10: Sonia alone
     "T"           // 11: Tina calls her
     "STSTSTST"    // 12-19
     "tt" "S" "T" "tt" "S" "s"  // 20-27
     "TSTSTSTSTSTSTST",         // 28-42
     {{11, 4, 6}, {11, 5, 8}},
     {10, 18}},
    {424, 20, "r" "HRHRHRHR" "r" "HRHRHR" "r" "H" "R", {}, {}},
    {460, 18, "JDJDJDJDJDJDJDJDJ", {}, {}},
    {500, 18, "ttttttttttttttttt", {{10, 1, 6}}, {}},
    {546, 18, "JDJDJDJDJDJDJDJDJ", {}, {}},
    {648, 17, "mmmmmmmmmmmmmmmm", {}, {}},
    {700, 18, "JDJDJDJDJDJDJDJDJ", {}, {}, 4},
    {738, 38,
     "SRSRSRSRSRSRSRS"  // 1-15
     "ssss"             // 16-19: Sonia goes on
     "RSRSRSRSRSRSRS"   // 20-33
     "DRSR",            // 34: Darwin's cry from inside
     {}, {}},
    {800, 18, "CYCYCYCYCYCYCYCYC", {}, {}},
};

bool setsFace(std::span<const Operation> ops) {
    for (const Operation& o : ops)
        if (o.op == Op::setPortrait) return true;
    return false;
}

using CutsceneVolcanoScenes = CutsceneTest;

TEST_F(CutsceneVolcanoScenes, EachStepShowsItsSpeakerItsLineAndItsFigures) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage);
        const SceneScript* scene = findScene(c.stage);
        ASSERT_NE(scene, nullptr);
        ASSERT_EQ(scene->stepCount, c.steps);
        ASSERT_EQ(c.speakers.size(), std::size_t(c.steps - 1));

        const std::size_t soundsBefore = h.audio.effects().size();
        start(c.stage);
        std::array<platform::PicturePtr, kSpriteSlots> figures;
        for (int slot = 0; slot < kSpriteSlots; ++slot) figures[slot] = figure(slot);
        std::string previousLine = screen().Label2->Caption;

        for (int k = 1; k < c.steps; ++k) {
            SCOPED_TRACE(testing::Message() << "step " << k);
            tickTo(k);
            ASSERT_TRUE(screen().isLoaded());
            const char speaker = c.speakers[std::size_t(k - 1)];
            EXPECT_EQ(faceShown(), store().img[faceOf(speaker)]);
            EXPECT_TRUE(screen().Image1->Visible);
            EXPECT_EQ(setsFace(scene->step(k)), bool(std::isupper(static_cast<unsigned char>(speaker))));

            const std::string& line = screen().Label2->Caption;
            EXPECT_NE(line, previousLine) << "the step says no new line";
            const bool beat = std::ranges::find(c.silentBeats, k) != c.silentBeats.end();
            EXPECT_EQ(line == "...", beat) << line;
            previousLine = line;

            for (const FigureChange& f : c.figures)
                if (f.step == k) figures[f.slot] = store().pic[f.picture];
            for (int slot = 0; slot < kSpriteSlots; ++slot) {
                EXPECT_EQ(figure(slot), figures[slot]) << "slot " << slot;
                EXPECT_TRUE(screen().pic[slot].Visible) << "slot " << slot;
            }

            const bool sounded = c.soundStep != 0 && k >= c.soundStep;
            const auto sounds = h.audio.effects();
            ASSERT_EQ(sounds.size() - soundsBefore, sounded ? 1u : 0u);
            if (sounded) {
                EXPECT_EQ(sounds.back(), "sound/snd5.snd");
            }
        }
        tickTo(c.steps);
        EXPECT_FALSE(screen().isLoaded());
    }
}

TEST_F(CutsceneVolcanoScenes, TheShieldSpellIsSilentWithSoundOff) {
    Vars::soundOn = 0;
    start(700);
    tickTo(3);
    const std::string before = screen().Label2->Caption;
    tickTo(4);
    EXPECT_EQ(faceShown(), store().img[face::Darwin]);
    EXPECT_NE(screen().Label2->Caption, before);
    tickTo(18);
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_TRUE(h.audio.effects().empty());
}

}  // namespace
}  // namespace cutscenes::test
