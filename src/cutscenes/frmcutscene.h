#pragma once
// The story scene screen: a backdrop, up to eleven figures on it, the
// speaker's face and one line under it. Each tick of tmrShow runs one step of
// the scene that storyStage selects; closing the screen, by the last step or
// by a key, applies the scene's after-effects.
#include <cstdint>
#include <span>

#include "cutscenes/scene_model.h"
#include "cutscenes/story_form.h"

class frmCutscene : public cutscenes::StoryForm<frmCutscene> {
public:
    frmCutscene() : StoryForm("frmCutscene") {}

    platform::ControlArray<platform::Image> pic{this, "pic"};  // figures, slots 0..10
    platform::ControlArray<platform::Label> lbl{this, "lbl"};  // the ending's narration

    // Every figure takes slot 5's picture; no scene ever gives slot 5 one.
    void clearPics();

    // Runs operations on the screen and the game, in order; stops after endScene.
    void perform(std::span<const cutscenes::Operation> ops);

    std::int16_t currentStep() const { return step; }

protected:
    void build() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void tmrShow_Timer();
    void perform(const cutscenes::Operation& op);

    std::int16_t step = 0;
};
