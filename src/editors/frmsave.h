#pragma once
#include "platform/controls.h"
#include "platform/form.h"
#include "shell/savefile.h"
#include "shell/vars.h"

// The save editor: loads one of the ten saved games into the game state,
// lets ten numbers of the hero be changed on scroll bars, and saves the state
// into the same or another slot. Worked with the mouse only. The loaded game
// stays in memory when the editor closes.
class frmSave : public platform::FormOf<frmSave> {
public:
    frmSave() : FormOf("frmSave") {}

    // The slot descriptions as read from save.ini and changed by this
    // editor's own saves; they outlive each showing.
    savefile::SlotNames slotNames;
    Vars::i16 busy = 0;  // True (-1) while a load or save runs
    Vars::u8 savedMusicOn = 0;

protected:
    void build() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void HScroll1_Change(int index);
    void lbl3_Click(int index);
    void saveLoadSlot();
    void loadSlot(int slot);
    void startAfresh();
    void showLoadedValues();

    platform::ControlArray<platform::Label> lbl{this, "lbl"};
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::ControlArray<platform::Label> lbl8{this, "lbl8"};
    platform::ControlArray<platform::HScrollBar> HScroll1{this, "HScroll1"};
    platform::Image* Image1 = nullptr;
    platform::ComboBox* Combo1 = nullptr;
};
