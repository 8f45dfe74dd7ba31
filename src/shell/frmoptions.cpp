#include "shell/frmoptions.h"

#include "platform/dialogs.h"
#include "platform/error.h"
#include "shell/config.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

enum Entry { Music, Sound, AutoBattle, Return };

const char* onOff(Vars::u8 value) { return value ? "On" : "Off"; }

}  // namespace

void frmOptions::build() {
    buildWindow("Options", "Options", 300, 240);

    for (int i = Music; i <= Return; ++i) {
        platform::Label& entry = add(lbl3, i);
        entry.Move(600, 1050 + i * 510 + (i == Return ? 300 : 0), Width - 1200, 400);
        entry.Transparent = true;
        entry.Alignment = platform::Align::Center;
        entry.font = {.name = "Arial", .size = 12, .bold = true};
    }
    lbl3[Return].Caption = "Return";
    showSwitches();
    menu.attach();
}

void frmOptions::showSwitches() {
    lbl3[Music].Caption = std::string("Music:  ") + onOff(Vars::musicOn);
    lbl3[Sound].Caption = std::string("Sound:  ") + onOff(Vars::soundOn);
    lbl3[AutoBattle].Caption = std::string("Auto Battle:  ") + onOff(Vars::autoBattle);
}

void frmOptions::Form_KeyDown(int keyCode, int) { menu.keyDown(keyCode); }

void frmOptions::lbl3_Click(int index) {
    switch (index) {
        case Music: Vars::musicOn = !Vars::musicOn; break;
        case Sound: Vars::soundOn = !Vars::soundOn; break;
        case AutoBattle: Vars::autoBattle = !Vars::autoBattle; break;
        case Return: unload(); return;
    }
    showSwitches();
    try {
        config::save();
    } catch (const platform::Error& e) {
        platform::MsgBox(e.what(), platform::vbCritical, "Error");
    }
}

void frmOptions::Form_Unload() {
    if (Vars::musicOn)
        Subs::playMusic(Vars::musicTrack);
    else
        Subs::stopMusic();
}
