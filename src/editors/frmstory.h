#pragma once
#include "platform/form.h"
#include "shell/menu.h"

// The editor menu behind the title's "Game Editors": the save editor, the map
// maker, or back. It unloads itself before it opens an editor, so leaving the
// editor leads back to the title screen.
class frmStory : public platform::FormOf<frmStory> {
public:
    frmStory() : FormOf("frmStory") {}

protected:
    void build() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void menuSelect(int index);

    platform::ControlArray<platform::Label> lbl{this, "lbl"};
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    shell::Menu menu{lbl3,
                     {.highlight = 0x000080,
                      .normal = platform::vbBlack,
                      .bothAxes = true,
                      .forwardFirst = true},
                     [this](int i) { menuSelect(i); }};
};
