// Each operation a step can perform, on a loaded screen.
#include <cmath>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

class CutsceneOperations : public CutsceneTest {
protected:
    void SetUp() override {
        CutsceneTest::SetUp();
        start(1);  // a stage without a script: the design state
    }
    void run(std::initializer_list<Operation> ops) { screen().perform({ops.begin(), ops.size()}); }
};

TEST_F(CutsceneOperations, LineNamingTheHeroReadsTheNameWhenItRuns) {
    constexpr Operation kLine = setLineNaming("So we all have stuff to do!  Wait, what about you ", "?");
    Vars::heroName = "Nina";
    run({kLine});
    EXPECT_EQ(screen().Label2->Caption, "So we all have stuff to do!  Wait, what about you Nina?");
    Vars::heroName = "Abcdefghij";
    run({kLine});
    EXPECT_EQ(screen().Label2->Caption,
              "So we all have stuff to do!  Wait, what about you Abcdefghij?");
    run({setLine("")});
    EXPECT_EQ(screen().Label2->Caption, "");
}

TEST_F(CutsceneOperations, FaceIsSetClearedFromSlot5AndHidden) {
    run({setPortrait(face::Myst)});
    EXPECT_EQ(faceShown(), store().img[face::Myst]);
    run({clearPortrait()});
    EXPECT_EQ(faceShown(), nullptr);
    EXPECT_TRUE(screen().Image1->Visible);
    run({hidePortrait(), setPortrait(face::Chi)});
    EXPECT_FALSE(screen().Image1->Visible);
    EXPECT_EQ(faceShown(), store().img[face::Chi]);
}

TEST_F(CutsceneOperations, ClearingCopiesSlot5IntoEverySlot) {
    run({setSprite(0, 12), setSprite(9, 5), setSprite(10, 3), clearSprites()});
    for (int slot = 0; slot < kSpriteSlots; ++slot) EXPECT_EQ(figure(slot), nullptr) << slot;
    // Slot 5 is copied into every slot, itself included.
    run({setSprite(5, 7), setSprite(2, 1), clearSprites()});
    for (int slot = 0; slot < kSpriteSlots; ++slot) EXPECT_EQ(figure(slot), store().pic[7]) << slot;
}

TEST_F(CutsceneOperations, FiguresMoveRightInTwipsAndHideForGood) {
    const double left = screen().pic[4].Left;
    run({moveSprite(4, 20), moveSprite(4, 20), moveSprite(4, 20), moveSprite(4, 20),
         moveSprite(4, 20), moveSprite(4, 25)});
    EXPECT_EQ(screen().pic[4].Left, left + 125);
    run({hideSprite(4), hideSprite(4), setSprite(4, 2)});
    EXPECT_FALSE(screen().pic[4].Visible);
    EXPECT_EQ(figure(4), store().pic[2]);
}

TEST_F(CutsceneOperations, MovesAreSummedInSinglePrecision) {
    screen().pic[1].Left = 16777216;  // 2^24: a float cannot add 1 to it
    run({moveSprite(1, 1)});
    EXPECT_EQ(screen().pic[1].Left, 16777216);
}

TEST_F(CutsceneOperations, Sound5PlaysOnlyWithSoundOn) {
    run({playSound(5)});
    Vars::soundOn = 0;
    run({playSound(5)});
    EXPECT_EQ(h.audio.effects(), std::vector<std::string>{"sound/snd5.snd"});
}

TEST_F(CutsceneOperations, EndSceneClosesAndStopsTheRestOfTheList) {
    Vars::storyStage = 0;  // the opening's after-effects then run
    run({endScene(), setLine("never shown")});
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_EQ(Vars::musicTrack, 1);
    EXPECT_EQ(screen().Label2->Caption, "");
}

}  // namespace
}  // namespace cutscenes::test
