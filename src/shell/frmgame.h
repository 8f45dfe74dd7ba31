#pragma once
#include "platform/form.h"
#include "shell/menu_window.h"
#include "shell/menu.h"
#include "shell/savefile.h"

// The save screen: the ten slots by their descriptions, in save mode
// (Vars::saveMode True) or load mode. A loaded game goes on on the map screen.
class frmGame : public shell::MenuWindow<frmGame> {
public:
    frmGame() : MenuWindow("frmGame") {}

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    static constexpr int kReturn = savefile::kSlots;
    void lbl3_Click(int index);
    void saveSlot(int slot);
    void loadSlot(int slot);
    void readSlotNames();

    savefile::SlotNames slotNames;
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    shell::Menu menu{lbl3, {.escEntry = kReturn}, [this](int i) { lbl3_Click(i); }};
};
