#include "shell/frmtitle.h"

#include "cutscenes/frmintro.h"
#include "editors/frmstory.h"
#include "platform/runtime.h"
#include "shell/frmgame.h"
#include "shell/frmnew.h"
#include "shell/frmoptions.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace {

constexpr const char* kEntries[] = {"New Game", "Resume Game", "Game Editors",
                                    "Play Intro", "Options",     "Exit"};
enum Entry { NewGame, ResumeGame, GameEditors, PlayIntro, Options, Exit };

}  // namespace

void frmTitle::build() {
    Caption = "Thorncall II";
    borderStyle = platform::BorderStyle::FixedSingle;
    BackColor = platform::vbBlack;
    KeyPreview = true;
    scale = 15;
    Width = 720 * 15;
    Height = 540 * 15;

    const frmTileset& store = frmTileset::get();
    if (store.picturesLoaded()) {
        platform::Image& back = add<platform::Image>("imgBack");
        back.Stretch = true;
        back.Move(0, 0, Width, Height);
        back.setPicture(store.battle[0]);
    }

    platform::Label& title = add<platform::Label>("lblTitle");
    title.Move(0, 900, Width, 1200);
    title.Caption = "Thorncall II";
    title.Transparent = true;
    title.Alignment = platform::Align::Center;
    title.ForeColor = 0x40C0F0;
    title.font = {.name = "Arial", .size = 40, .bold = true};

    platform::Shape& panel = add<platform::Shape>("shpPanel");
    panel.Move(3600, 3300, 3600, 3900);
    panel.Filled = true;
    panel.FillColor = platform::vbBlack;
    panel.BorderColor = 0x40C0F0;

    for (int i = 0; i < int(std::size(kEntries)); ++i) {
        platform::Label& entry = add(Label3, i);
        entry.Move(3600, 3450 + i * 600, 3600, 450);
        entry.Caption = kEntries[i];
        entry.Transparent = true;
        entry.Alignment = platform::Align::Center;
        entry.font = {.name = "Arial", .size = 14.25, .bold = true};
    }
    menu.attach();
}

void frmTitle::Form_KeyDown(int keyCode, int) { menu.keyDown(keyCode); }

void frmTitle::Label3_Click(int index) {
    switch (index) {
        case NewGame: frmNew::get().showModal(); break;
        case ResumeGame:
            Vars::saveMode = 0;
            frmGame::get().showModal();
            break;
        case GameEditors: frmStory::get().showModal(); break;
        case PlayIntro: frmIntro::get().showModal(); break;
        case Options: frmOptions::get().showModal(); break;
        case Exit: platform::Runtime::get().quit(); break;
    }
}
