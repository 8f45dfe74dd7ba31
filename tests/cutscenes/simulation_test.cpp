// Plays every scene to its end in each difficulty and checks, after every
// tick, what the scenes promise: only the faces of their own speakers, and
// clearing always leaves blank pictures because slot 5 never holds one.
#include <set>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

using namespace face;

struct Speakers {
    int firstStage, lastStage;
    std::set<int> faces;
};

const Speakers kSpeakers[] = {
    {0, 0, {Ryu, Sonia, Tina, Father}},
    {68, 203, {Ryu, Monk, Sonia, Tina, Father, Hero}},
    {259, 373, {Ryu, Sonia, Tina, Maurice, Father, Jack, Hero, Darwin}},
    {417, 546, {Ryu, Sonia, Tina, Jack, Hero, Darwin}},
    {648, 800, {Ryu, Chi, Sonia, Maurice, Myst, Jack, Darwin}},
    {896, 896, {Ryu, Chi, Sonia, Bree, Myst, Jack, Hero, Darwin}},
    {1000, 1000, {Ryu, Monk, Chi, Sonia, Maurice, Bree, Myst, Jack, Hero, Darwin}},
};

const std::set<int>& speakersOf(int stage) {
    for (const Speakers& s : kSpeakers)
        if (s.firstStage <= stage && stage <= s.lastStage) return s.faces;
    throw std::logic_error("a scene outside every chapter");
}

bool runs(std::span<const Operation> ops, Op op) {
    for (const Operation& o : ops)
        if (o.op == op) return true;
    return false;
}

using CutsceneSimulation = CutsceneTest;

TEST_F(CutsceneSimulation, EveryScenePlaysToItsEndKeepingItsPromises) {
    std::set<int> stagesPlayed;
    int runsPlayed = 0;
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group())
            for (Vars::u8 difficulty : {0, 1}) {
                SCOPED_TRACE(testing::Message() << "stage " << scene.stage << ", difficulty "
                                                << int(difficulty));
                Vars::difficulty = difficulty;
                start(scene.stage);
                stagesPlayed.insert(scene.stage);
                ++runsPlayed;
                const std::set<int>& faces = speakersOf(scene.stage);
                auto checkFace = [&] {
                    if (!faceShown()) return;
                    bool known = false;
                    for (int f : faces) known = known || faceShown() == store().img[f];
                    EXPECT_TRUE(known) << "a face not of this scene's speakers";
                };
                checkFace();
                int ticks = 0;
                while (screen().isLoaded() && screen().currentStep() < kEndingLastStep + 2) {
                    const int ran = screen().currentStep() + 1;
                    h.advance(7000);
                    ++ticks;
                    SCOPED_TRACE(testing::Message() << "step " << ran);
                    const auto ops = scene.step(ran);
                    if (!screen().isLoaded()) {
                        EXPECT_TRUE(runs(ops, Op::endScene));
                        break;
                    }
                    checkFace();
                    if (runs(ops, Op::clearSprites)) {
                        // Blank, but for the figures the same step puts back after clearing.
                        std::set<int> refilled;
                        bool cleared = false;
                        for (const Operation& o : ops) {
                            cleared = cleared || o.op == Op::clearSprites;
                            if (cleared && o.op == Op::setSprite) refilled.insert(o.a);
                        }
                        for (int slot = 0; slot < kSpriteSlots; ++slot) {
                            if (!refilled.contains(slot)) {
                                EXPECT_EQ(figure(slot), nullptr) << slot;
                            }
                        }
                    }
                    if (runs(ops, Op::clearPortrait)) {
                        EXPECT_EQ(faceShown(), nullptr);
                    }
                }
                if (scene.stage == kEndingStage) {
                    EXPECT_TRUE(screen().isLoaded());
                    pressKey();
                } else {
                    EXPECT_EQ(ticks, scene.stepCount);
                }
                EXPECT_FALSE(screen().isLoaded());
            }
    EXPECT_EQ(stagesPlayed.size(), 23u);
    EXPECT_EQ(runsPlayed, 2 * 23) << "two scenes for one stage";
}

}  // namespace
}  // namespace cutscenes::test
