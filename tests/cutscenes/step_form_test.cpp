// The check every ordinary scene passes at compile time, run here on steps
// that break it, so that a slip in the check cannot let a bad scene through.
#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

// A three-step scene whose second step is `middle`.
bool formOf(const SceneStep& middle, int movingAt) {
    const SceneStep steps[] = {
        {1, setPortrait(face::Ryu), setLine("a")},
        middle,
        {3, endScene()},
    };
    const SceneScript scene{68, 3, {}, steps, {}};
    return movingAt ? ordinaryStepFormMovingAt(scene, movingAt) : ordinaryStepForm(scene);
}

TEST(CutsceneStepForm, OneLineFaceBeforeItPicturesAfterAndAChangeOfPlaceOnlyWhereDeclared) {
    struct Case {
        const char* what;
        SceneStep middle;
        int movingAt;
        bool ok;
    };
    const Case cases[] = {
        {"line alone", {2, setLine("b")}, 0, true},
        {"face, line, figure", {2, setPortrait(face::Tina), setLine("b"), setSprite(0, 8)}, 0, true},
        {"place first where declared",
         {2, setBackdrop(12), setPortrait(face::Tina), setLine("b"), hideSprite(4)}, 2, true},
        {"place first elsewhere", {2, setBackdrop(12), setPortrait(face::Tina), setLine("b")}, 0, false},
        {"place first, declared at another step",
         {2, setBackdrop(12), setPortrait(face::Tina), setLine("b")}, 1, false},
        {"declared but the place comes after the line", {2, setLine("b"), setBackdrop(12)}, 2, false},
        {"two changes of place first", {2, setBackdrop(1), setBackdrop(2), setLine("b")}, 2, false},
        {"face after the line", {2, setLine("b"), setPortrait(face::Tina)}, 0, false},
        {"figure before the line", {2, setSprite(0, 8), setLine("b")}, 0, false},
        {"no line", {2, setPortrait(face::Tina)}, 0, false},
        {"two lines", {2, setLine("b"), setLine("c")}, 0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(formOf(c.middle, c.movingAt), c.ok) << c.what;
}

}  // namespace
}  // namespace cutscenes::test
