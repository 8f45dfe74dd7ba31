#pragma once
// The intro slideshow, shown from the title screen: the old war told one line
// every seven seconds over a backdrop, with groups of figures that come and
// go. Any key ends it; either way the title music returns.
#include <array>
#include <cstdint>
#include <string_view>

#include "cutscenes/story_form.h"

// Image1 holds the narrator's face for the whole show; Label2 the narration.
class frmIntro : public cutscenes::StoryForm<frmIntro> {
public:
    frmIntro() : StoryForm("frmIntro") {}

    // 0 a monster, 1..5 knights, 6 a priest, 11..15 and 16..22 two Demon hosts;
    // 7 to 10 do not exist.
    platform::ControlArray<platform::Image> Image3{this, "Image3"};

    std::int16_t currentStep() const { return introStep; }

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void tmrShow_Timer();
    void endShow();

    std::int16_t introStep = 0;
};

namespace cutscenes {

// The narration: the first line at load, then one per step 1 to 30.
extern const std::array<std::string_view, 31> kIntroLines;

}  // namespace cutscenes
