#pragma once
// The spell-point screen: the hero raises one of the Attack, Support and
// Spirit groups by a level. The mouse picks a group, a click or the select
// key confirms it; a full group cannot be picked.
#include "platform/form.h"

class frmNewSpell : public platform::FormOf<frmNewSpell> {
public:
    frmNewSpell() : FormOf("frmNewSpell") {}

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::ControlArray<platform::Label> lblLevel{this, "lblLevel"};
    platform::ControlArray<platform::Image> img3{this, "img3"};
    platform::Label* lblTitle = nullptr;
    platform::Label* lblInfo = nullptr;
    platform::Label* lblNext = nullptr;

    void lbl3_Click(int index);
    void lbl3_MouseMove(int index);
    void choose(int group);

    int selected = -1;  // the highlighted group; none until the mouse picks one
};
