#pragma once
// The change of ally: the companions who have joined by the current story
// stage, one entry each; choosing one makes it the ally.
#include <cstdint>
#include <vector>

#include "platform/form.h"
#include "shell/menu.h"
#include "shell/menu_window.h"

class frmChangeCharacter : public shell::MenuWindow<frmChangeCharacter> {
public:
    frmChangeCharacter() : MenuWindow("frmChangeCharacter") {}

protected:
    void build() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void lbl3_Click(int index);
    void showFace(int index);

    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::Image* imgFace = nullptr;
    // No Esc: the hero always leaves with a companion.
    shell::Menu menu{lbl3, {}, [this](int i) { lbl3_Click(i); }};
    std::vector<std::uint8_t> ids;  // the companion of each entry
};
