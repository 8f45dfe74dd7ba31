#pragma once
#include "platform/form.h"
#include "shell/menu.h"

// The title screen, shown modeless: New Game, Resume Game, Game Editors,
// Play Intro, Options, Exit.
class frmTitle : public platform::FormOf<frmTitle> {
public:
    frmTitle() : FormOf("frmTitle") {}

protected:
    void build() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void Label3_Click(int index);
    platform::ControlArray<platform::Label> Label3{this, "Label3"};
    shell::Menu menu{Label3,
                     {.highlight = 0x0000FF, .normal = platform::vbWhite, .keySound = true},
                     [this](int i) { Label3_Click(i); }};
};
