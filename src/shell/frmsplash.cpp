#include "shell/frmsplash.h"

#include "platform/dialogs.h"
#include "platform/error.h"
#include "shell/config.h"
#include "shell/file_messages.h"
#include "shell/frmtileset.h"
#include "shell/savefile.h"

void frmSplash::build() {
    Caption = "Thorncall II";
    borderStyle = platform::BorderStyle::None;
    BackColor = platform::vbBlack;
    scale = 15;
    Width = 480 * 15;
    Height = 300 * 15;

    platform::Label& title = add<platform::Label>("lblTitle");
    title.Move(0, 1200, Width, 900);
    title.Caption = "Thorncall II";
    title.Transparent = true;
    title.Alignment = platform::Align::Center;
    title.ForeColor = 0x40C0F0;  // gold
    title.font = {.name = "Arial", .size = 36, .bold = true};

    platform::Label& loading = add<platform::Label>("lblLoading");
    loading.Move(0, 3300, Width, 400);
    loading.Caption = "Loading...";
    loading.Transparent = true;
    loading.Alignment = platform::Align::Center;
    loading.ForeColor = 0xC0C0C0;
    loading.font = {.name = "Arial", .size = 10};

    Timer1 = &add<platform::Timer>("Timer1");
    Timer1->setInterval(1000);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    Timer1->setEnabled(true);
}

void frmSplash::Form_Load() {
    ticks = 0;
    failed = false;
}

void frmSplash::Timer1_Timer() {
    if (++ticks == 1) {
        loadEverything();
        if (failed) unload();
        return;
    }
    unload();
}

void frmSplash::loadEverything() {
    try {
        config::load();
        savefile::createSlotNamesIfMissing();
        savefile::readSlotNames();
    } catch (const platform::Error& e) {
        failed = true;
        shell::showSettingsFileError(e);
        return;
    }
    try {
        frmTileset::get().loadPictures();
    } catch (const platform::Error& e) {
        failed = true;
        platform::MsgBox(e.what(), platform::vbCritical, "Error");
    }
}
