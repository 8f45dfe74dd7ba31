// The scenes of stages 68 to 373 as the player watches them: whose face is on
// screen after every step, which steps are silent beats, and where the
// figures and the backdrop stand.
#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <vector>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

// What the scene shows besides the face and the line.
struct Stage {
    int backdrop = -1;
    std::array<int, kSpriteSlots> picture{};  // -1: none
    std::array<bool, kSpriteSlots> visible{};
    std::array<double, kSpriteSlots> left{};

    bool operator==(const Stage&) const = default;
};

void PrintTo(const Stage& s, std::ostream* os) {
    *os << "backdrop " << s.backdrop;
    for (int i = 0; i < kSpriteSlots; ++i)
        *os << " | " << i << ": " << s.picture[i] << (s.visible[i] ? "" : " hidden") << " at "
            << s.left[i];
}

// The figures' design-time positions, in twips.
constexpr std::array<double, kSpriteSlots> kDesignLeft{4440, 7680, 3240, 4080, 1680, 240,
                                                       8400, 7560, 9240, 2400, 6720};

enum class Change { backdrop, figure, hide, left };
struct StepChange {
    int step;
    Change change;
    int slot;   // unused for the backdrop
    int value;  // backdrop, character picture or Left in twips
};

struct Scene {
    std::int16_t stage;
    char openingFace;
    // One letter of faceOf per step 1..N-1 (blanks only group them by ten): upper case
    // puts that face on screen, lower case keeps the face already there.
    const char* faces;
    std::vector<int> silentSteps;  // the lines fixed as "..."; any other may be silent too
    int backdrop;
    std::vector<std::pair<int, int>> figures;  // slot, character picture
    std::vector<StepChange> changes;
    int music = 5;  // -1: the music playing goes on
};

const Scene kScenes[] = {
    {68, 'R', "rrrrSRSRSR SRSRS", {4}, 3, {{1, 4}}, {{5, Change::figure, 2, 11}}},
    {121, 'F', "TFTttFTFTt FTFTtFTFTF", {}, 12, {{0, 8}, {3, 2}}, {}},
    {166, 'R', "SRSRSRSRSR SRSR", {}, 1, {{1, 4}, {2, 11}}, {}},
    {190, 'H',
     "hhhhhhhhhh hhhhhhhhSH SHSHSHSHSH SHSHSsHTtF fTFTFTFTFf TF",
     {4, 6, 8, 12, 14, 16, 18, 20, 34, 37},
     6,
     {{4, 9}},
     // 20 twips at a time from 1680, then 25.
     {{13, Change::left, 4, 1700}, {14, Change::left, 4, 1720}, {15, Change::left, 4, 1740},
      {16, Change::left, 4, 1760}, {17, Change::left, 4, 1780}, {18, Change::left, 4, 1805},
      {19, Change::figure, 5, 11}, {37, Change::hide, 5, 0},
      {38, Change::backdrop, 0, 12}, {38, Change::figure, 0, 8}, {38, Change::figure, 3, 2},
      {38, Change::hide, 4, 0}},
     -1},
    {203, 'R', "rKRKRKkRKk kRKkkkkRrK", {6}, 2, {{3, 5}, {1, 3}}, {}},
    {259, 'M', "TtMTMTMTtM TMTMm", {}, 8, {{3, 8}, {1, 0}}, {{15, Change::hide, 3, 0}}, 12},
    {313, 'F', "fffffff", {}, 12, {{3, 2}}, {}},
    {320, 'R', "SRSRSRSRSR rSRSJSJSR", {}, 3, {{6, 7}, {7, 6}, {2, 5}}, {}},
    {340, 'M', "mTMTMmT", {}, 0, {{7, 0}, {3, 8}}, {}},
    {344, 'H', "RHRHRHRRSs HDdJRSRDJD dSJDdSDJSR SJDDSDRDSD SRHRSHRDSJ", {}, 5,
     {{1, 4}, {6, 6}, {7, 7}, {3, 1}, {2, 9}}, {}, 4},
    {373, 'M', "mmmmmmmmmm mmmm", {}, 12, {{7, 0}}, {}},
};

class CutsceneStages68To373 : public CutsceneTest {
protected:
    static int indexIn(const auto& array, const platform::PicturePtr& p, int count) {
        if (!p) return -1;
        for (int i = 0; i < count; ++i)
            if (array[i] == p) return i;
        return -2;  // a picture from somewhere else
    }

    static Stage shown() {
        Stage s;
        s.backdrop = indexIn(store().battle, screen().Image2->picture(), kBackdrops);
        for (int i = 0; i < kSpriteSlots; ++i) {
            s.picture[i] = indexIn(store().pic, figure(i), kSpritePictures);
            s.visible[i] = screen().pic[i].Visible;
            s.left[i] = screen().pic[i].Left;
        }
        return s;
    }

    static Stage setUp(const Scene& scene) {
        Stage s;
        s.backdrop = scene.backdrop;
        s.picture.fill(-1);
        s.visible.fill(true);
        s.left = kDesignLeft;
        for (auto [slot, picture] : scene.figures) s.picture[slot] = picture;
        return s;
    }

    static void apply(const StepChange& c, Stage& s) {
        switch (c.change) {
        case Change::backdrop: s.backdrop = c.value; break;
        case Change::figure: s.picture[c.slot] = c.value; break;
        case Change::hide: s.visible[c.slot] = false; break;
        case Change::left: s.left[c.slot] = c.value; break;
        }
    }
};

TEST_F(CutsceneStages68To373, EveryStepShowsItsSpeakerItsLineAndItsFigures) {
    const platform::PicturePtr noFace = platform::MakePicture(1, 1, 0xFF123456);
    for (const Scene& scene : kScenes) {
        SCOPED_TRACE(testing::Message() << "stage " << scene.stage);
        std::string faces(scene.faces);
        std::erase(faces, ' ');
        const int steps = int(faces.size()) + 1;
        ASSERT_EQ(findScene(scene.stage)->stepCount, steps);

        Vars::heroName = "Nina";
        Vars::musicTrack = 2;
        start(scene.stage);
        EXPECT_EQ(Vars::musicTrack, scene.music >= 0 ? scene.music : 2);
        Vars::heroName = "Wilhelmina";  // the name is read when its step runs
        Stage expected = setUp(scene);
        EXPECT_EQ(shown(), expected);
        EXPECT_EQ(faceShown(), store().img[faceOf(scene.openingFace)]);
        EXPECT_FALSE(screen().Label2->Caption.empty());

        int speaker = faceOf(scene.openingFace);
        for (int k = 1; k < steps; ++k) {
            SCOPED_TRACE(testing::Message() << "step " << k);
            const std::string before = screen().Label2->Caption;
            // A stand-in face shows whether the step set one or kept it.
            screen().Image1->setPicture(noFace);
            tickTo(k);
            ASSERT_TRUE(screen().isLoaded());
            const char letter = faces[std::size_t(k - 1)];
            if (std::isupper(static_cast<unsigned char>(letter))) {
                speaker = faceOf(letter);
                EXPECT_EQ(faceShown(), store().img[speaker]);
            } else {
                EXPECT_EQ(faceOf(letter), speaker) << "a kept face is the same speaker";
                EXPECT_EQ(faceShown(), noFace);
                screen().Image1->setPicture(store().img[speaker]);
            }

            const std::string& line = screen().Label2->Caption;
            const bool silent = std::ranges::count(scene.silentSteps, k) > 0;
            if (silent) {
                EXPECT_EQ(line, "...");
            } else {
                EXPECT_FALSE(line.empty());
                EXPECT_NE(line, before) << "every step says a line of its own";
            }
            if (scene.stage == 344 && k == 42) {
                EXPECT_EQ(line, "So we all have stuff to do!  Wait, what about you Wilhelmina?");
            }

            for (const StepChange& c : scene.changes)
                if (c.step == k) apply(c, expected);
            EXPECT_EQ(shown(), expected);
        }
        tickTo(steps);
        EXPECT_FALSE(screen().isLoaded());
    }
}

}  // namespace
}  // namespace cutscenes::test
