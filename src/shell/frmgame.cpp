#include "shell/frmgame.h"

#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/file_messages.h"
#include "shell/game_start.h"
#include "shell/vars.h"

void frmGame::build() {
    buildWindow("Saved Games", Vars::saveMode ? "Save Game" : "Load Game", 520, 470);

    for (int i = 0; i <= kReturn; ++i) {
        platform::Label& entry = add(lbl3, i);
        entry.Move(600, 1050 + i * 450 + (i == kReturn ? 300 : 0), Width - 1200, 390);
        entry.Transparent = true;
        entry.font = {.name = "Arial", .size = 10, .bold = true};
    }
    lbl3[kReturn].Caption = "Return";
    lbl3[kReturn].Alignment = platform::Align::Center;
    menu.attach();
}

void frmGame::Form_Load() {
    readSlotNames();
    for (int i = 0; i < savefile::kSlots; ++i) lbl3[i].Caption = std::to_string(i) + ".  " + slotNames[i];
}

// A save.ini that cannot be read leaves the slots blank; a save writes it anew.
void frmGame::readSlotNames() {
    try {
        slotNames = savefile::readSlotNames();
    } catch (const platform::Error& e) {
        slotNames = {};
        shell::showSettingsFileError(e);
    }
}

void frmGame::Form_KeyDown(int keyCode, int) { menu.keyDown(keyCode); }

void frmGame::lbl3_Click(int index) {
    if (index == kReturn) {
        unload();
    } else if (Vars::saveMode) {
        saveSlot(index);
    } else {
        loadSlot(index);
    }
}

void frmGame::saveSlot(int slot) {
    if (platform::fileExists(savefile::slotPath(slot)) &&
        platform::MsgBox("Are you sure?", platform::vbYesNo | platform::vbQuestion,
                         "Are you sure you want to overwrite this file?") != platform::vbYes)
        return;
    try {
        savefile::saveGame(slot, slotNames);
    } catch (const platform::Error& e) {
        shell::showSaveFailure(e);
        // Saved all the same, only not named in save.ini.
        if (!dynamic_cast<const savefile::SlotListNotUpdated*>(&e)) return;
    }
    unload();
}

void frmGame::loadSlot(int slot) {
    try {
        savefile::loadGame(slot);
    } catch (const platform::Error& e) {
        shell::showSaveFailure(e);
        return;
    }
    unload();
    shell::resumeLoadedGame();
}
