#include "cutscenes/frmcutscene.h"

#include <limits>

#include "cutscenes/scenes.h"
#include "shell/vars.h"

namespace {

using cutscenes::Box;
using cutscenes::place;

// Figure slots 4 and 5 stand farther back, so they are smaller.
constexpr Box kFigures[] = {
    {4440, 4320, 615, 975}, {7680, 4920, 615, 975}, {3240, 5520, 615, 975},
    {4080, 5040, 615, 975}, {1680, 2280, 495, 855}, {240, 2400, 495, 855},
    {8400, 5760, 615, 975}, {7560, 6000, 615, 975}, {9240, 6120, 615, 975},
    {2400, 6000, 615, 975}, {6720, 6000, 615, 975},
};

// Six narration lines high up, a gap, then three lower down.
constexpr double kNarrationTops[] = {960, 1560, 2160, 2760, 3360, 3960, 4680, 5400, 6120};
constexpr double kNarrationLeft = 480, kNarrationWidth = 10935, kNarrationHeight = 480;

}  // namespace

void frmCutscene::build() {
    Caption.clear();
    buildWindowAndBackdrop();

    for (int i = 0; i < int(std::size(kFigures)); ++i) {
        platform::Image& figure = add(pic, i);
        figure.Stretch = true;
        place(figure, kFigures[i]);
    }

    for (int i = 0; i < int(std::size(kNarrationTops)); ++i) {
        platform::Label& l = add(lbl, i);
        l.Visible = false;
        l.Caption = cutscenes::kNarration[i];
        l.ForeColor = kWhite;
        l.Transparent = true;
        l.Alignment = platform::Align::Center;
        l.font = {.name = "Arial", .size = 18, .bold = true};
        l.Move(kNarrationLeft, kNarrationTops[i], kNarrationWidth, kNarrationHeight);
    }

    buildLineFaceAndTimer([this] { tmrShow_Timer(); });
}

void frmCutscene::Form_Load() {
    step = 0;
    if (const cutscenes::SceneScript* scene = cutscenes::findScene(Vars::storyStage))
        perform(scene->setUp);
}

void frmCutscene::tmrShow_Timer() {
    // Saturates: the ending waits at its last line for as long as no key comes.
    if (step < std::numeric_limits<std::int16_t>::max()) ++step;
    const cutscenes::SceneScript* scene = cutscenes::findScene(Vars::storyStage);
    if (scene && step <= scene->stepCount) perform(scene->step(step));
}

void frmCutscene::Form_KeyDown(int, int) {
    const bool ending = Vars::storyStage == cutscenes::kEndingStage;
    // No key before the first step; the ending only once its last line shows.
    if ((!ending && step > 0) || (ending && step >= cutscenes::kEndingLastStep)) unload();
}

void frmCutscene::Form_Unload() {
    if (const cutscenes::SceneScript* scene = cutscenes::findScene(Vars::storyStage))
        perform(scene->afterEffects);
}

void frmCutscene::clearPics() {
    for (int i = 0; i < int(std::size(kFigures)); ++i) pic[i].setPicture(pic[5].picture());
}
