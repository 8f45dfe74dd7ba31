#pragma once
#include "platform/form.h"
#include "shell/menu_window.h"
#include "shell/menu.h"

// The options: music, sound and auto battle, each saved to config.ini as soon
// as it is switched.
class frmOptions : public shell::MenuWindow<frmOptions> {
public:
    frmOptions() : MenuWindow("frmOptions") {}

protected:
    void build() override;
    void Form_Unload() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void lbl3_Click(int index);
    void showSwitches();
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    shell::Menu menu{lbl3, {.escEntry = 3}, [this](int i) { lbl3_Click(i); }};
};
