// The opening scene as the player shows it.
#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

using CutsceneOpening = CutsceneTest;

// Slots that hold a picture and are still shown.
std::vector<int> figuresOnScreen() {
    std::vector<int> slots;
    for (auto& [slot, image] : frmCutscene::get().pic)
        if (image->Visible && image->picture()) slots.push_back(slot);
    return slots;
}

TEST_F(CutsceneOpening, RyuRunsOffSoniaFollowsThenTheStoryTurnsToTheHero) {
    start(0);
    tickTo(60);
    EXPECT_EQ(figuresOnScreen(), (std::vector<int>{0, 1, 2, 3}));
    tickTo(61);
    EXPECT_EQ(faceShown(), store().img[face::Father]);
    EXPECT_EQ(figuresOnScreen(), (std::vector<int>{0, 2, 3}));
    tickTo(64);
    EXPECT_EQ(faceShown(), store().img[face::Tina]);
    EXPECT_EQ(figuresOnScreen(), (std::vector<int>{2, 3}));
    tickTo(65);
    EXPECT_TRUE(screen().Image1->Visible);
    tickTo(66);
    EXPECT_FALSE(screen().Image1->Visible);
    EXPECT_TRUE(figuresOnScreen().empty());
    EXPECT_EQ(screen().Image2->picture(), store().battle[4]);
    const std::string narration = screen().Label2->Caption;
    EXPECT_FALSE(narration.empty());
    tickTo(67);
    EXPECT_FALSE(screen().Image1->Visible);
    EXPECT_NE(screen().Label2->Caption, narration);
    EXPECT_FALSE(screen().Label2->Caption.empty());
    EXPECT_TRUE(screen().isLoaded());
    tickTo(68);
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_EQ(h.now(), 1000u + 476000u);
}

}  // namespace
}  // namespace cutscenes::test
