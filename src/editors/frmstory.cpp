#include "editors/frmstory.h"

#include "editors/frmmain.h"
#include "editors/frmsave.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"

namespace {

enum Entry { SaveEditor, MapEditor, Return };

struct EntryDesign {
    const char* caption;
    double left, top, width;
};
constexpr EntryDesign kEntries[] = {
    {"Save Editor", 900, 960, 1335},
    {"Map Editor", 960, 1440, 1230},
    {"( Return )", 1065, 2040, 1050},
};
constexpr double kEntryHeight = 285;

}  // namespace

void frmStory::build() {
    Caption = "Choose Editor";
    borderStyle = platform::BorderStyle::None;
    BackColor = platform::vbBlack;
    KeyPreview = true;
    scale = 15;
    Width = 3150;
    Height = 2670;

    platform::Image& picture1 = add<platform::Image>("picture1");
    const frmTileset& store = frmTileset::get();
    if (store.Image1) picture1.setPicture(store.Image1);
    // The picture is larger than the box; the box keeps its size.
    picture1.Move(120, 120, 2895, 2415);

    platform::Label& title = add(lbl, 1);
    title.Move(120, 300, 2895, 400);
    title.Caption = "Choose Editor";
    title.Transparent = true;
    title.Alignment = platform::Align::Center;
    title.font = {.name = "Arial", .size = 14.25, .bold = true};

    platform::LineControl& line1 = add<platform::LineControl>("Line1");
    line1.X1 = 480;
    line1.X2 = 2670;
    line1.Y1 = line1.Y2 = 750;

    for (int i = 0; i < int(std::size(kEntries)); ++i) {
        platform::Label& entry = add(lbl3, i);
        entry.Move(kEntries[i].left, kEntries[i].top, kEntries[i].width, kEntryHeight);
        entry.Caption = kEntries[i].caption;
        entry.Transparent = true;
        entry.Alignment = platform::Align::Center;
        entry.font = {.name = "Arial", .size = 12, .bold = true};
    }
    menu.attach(SaveEditor);
}

// Esc comes before the configured keys, so a key set to 27 still leaves.
void frmStory::Form_KeyDown(int keyCode, int) {
    if (keyCode == platform::vk::Escape) {
        Subs::playSnd2();
        unload();
        return;
    }
    menu.keyDown(keyCode);
}

void frmStory::menuSelect(int index) {
    unload();
    switch (index) {
        case SaveEditor: frmSave::get().showModal(); break;
        case MapEditor: frmMain::get().showModal(); break;
        case Return: break;
    }
}
