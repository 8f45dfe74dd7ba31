#include "editors/frmsave.h"

#include <memory>

#include "editors/save_rows.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/runtime.h"
#include "platform/vbmath.h"
#include "shell/config.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"

namespace {

using editors::kSaveRows;
using editors::SaveRow;

enum Action { Load = 0, Save = 1, Return = 8 };

constexpr const char* kInstructions =
    "Choose  a saved game in the combo box, then click LOAD to load it.  Modify what you would "
    "like to change then click SAVE.  If you wish to save into a different game file then select "
    "a different saved game in the combo box and click save.  Remember, you are a loser if you "
    "cheat with the save game editor!  Dont be a loser, play the game and beat it without "
    "cheating!";

constexpr double kWidth = 6285, kHeight = 7620, kMargin = 360;
constexpr double kTextHeight = 270, kBarHeight = 255;

struct ActionDesign {
    int index;
    const char* caption;
    double top;
};
constexpr ActionDesign kActions[] = {
    {Load, "( Load )", 4500}, {Save, "( Save )", 5250}, {Return, "( Return )", 6780}};
constexpr double kActionLeft = 3600, kActionWidth = 2325;

platform::Label& text(platform::Label& label, double left, double top, double width, double size,
                      bool bold) {
    label.Move(left, top, width, kTextHeight);
    label.Transparent = true;
    label.ForeColor = platform::vbBlack;
    label.font = {.name = "Arial", .size = size, .bold = bold};
    return label;
}

// The bar's value for a variable: the nearest whole number, a half to the
// even neighbour.
int barValue(const SaveRow& row) { return platform::CInt(row.get()); }

}  // namespace

void frmSave::build() {
    Caption = "Save Game Editor";
    borderStyle = platform::BorderStyle::None;
    BackColor = platform::vbBlack;
    KeyPreview = true;
    scale = 15;
    Width = kWidth;
    Height = kHeight;

    Image1 = &add<platform::Image>("Image1");
    Image1->Move(0, 0, kWidth, kHeight);

    platform::Label& title = text(add(lbl, 1), 0, 150, kWidth, 14.25, true);
    title.Height = 450;
    title.Caption = "Save Game Editor";
    title.Alignment = platform::Align::Center;

    platform::LineControl& line1 = add<platform::LineControl>("Line1");
    line1.X1 = kMargin;
    line1.X2 = kWidth - kMargin;
    line1.Y1 = line1.Y2 = 660;

    platform::Label& instructions = text(add(lbl, 10), kMargin, 780, kWidth - 2 * kMargin, 8.25, false);
    instructions.Height = 1440;
    instructions.Caption = kInstructions;

    text(add(lbl8, 1), kMargin, 2340, 1400, 9, true).Caption = "Saved Game:";
    Combo1 = &add<platform::ComboBox>("Combo1");
    Combo1->Move(1800, 2300, 1800, 315);
    Combo1->font = {.name = "Arial", .size = 9};
    for (int slot = 0; slot < savefile::kSlots; ++slot) Combo1->AddItem("Save " + std::to_string(slot));

    for (const SaveRow& row : kSaveRows) {
        text(add(lbl8, row.captionLabel), row.left, row.top, row.width, 9, true).Caption = row.caption;
        platform::Label& value = text(add(lbl8, row.valueLabel), row.left, row.top, row.width, 9, false);
        value.Alignment = platform::Align::Right;
        value.Caption = "0";
        platform::HScrollBar& bar = add(HScroll1, row.bar);
        bar.Move(row.left, row.top + kTextHeight, row.width, kBarHeight);
        bar.Min = row.min;
        bar.Max = row.max;
        bar.LargeChange = std::max(1, (row.max - row.min) / 10);
        bar.setValue(row.min);
        bar.onChange = [this, i = row.bar] { HScroll1_Change(i); };
    }

    for (const ActionDesign& a : kActions) {
        platform::Label& action = text(add(lbl3, a.index), kActionLeft, a.top, kActionWidth, 12, true);
        action.Height = 330;
        action.Caption = a.caption;
        action.Alignment = platform::Align::Center;
        action.onClick = [this, i = a.index] { lbl3_Click(i); };
    }
}

void frmSave::Form_Load() {
    savedMusicOn = Vars::musicOn;
    Vars::musicOn = 0;
    Subs::stopMusic();

    if (const platform::PicturePtr& back = frmTileset::get().Image1) {
        Image1->setPicture(back);
        Image1->Move(0, 0, kWidth, kHeight);  // the picture is larger than the form
    }

    try {
        savefile::readSlotNames(slotNames);
    } catch (const platform::Error&) {
        platform::MsgBox(config::kLoadError, platform::vbCritical, "Error");
    }
}

void frmSave::Form_Unload() {
    Vars::musicOn = savedMusicOn;
    Subs::playMusic(Vars::musicTrack);
}

void frmSave::HScroll1_Change(int) {
    if (busy) return;
    for (const SaveRow& row : kSaveRows) row.set(HScroll1[row.bar].value());
    for (const SaveRow& row : kSaveRows) lbl8[row.valueLabel].Caption = platform::CStr(row.get());
}

void frmSave::lbl3_Click(int index) {
    Subs::playSnd2();
    if (index == Return) {
        unload();
        return;
    }
    // Until a slot is chosen there is nothing to load or save.
    if (Combo1->listIndex() < 0) return;
    const bool saving = index == Save;
    Vars::saveMode = saving ? -1 : 0;
    const char* question = saving ? "Are you sure you want to overwrite this file?"
                                   : "Are you sure you want to load this file?";
    if (platform::MsgBox("Are you sure?", platform::vbYesNo, question) == platform::vbNo) return;
    saveLoadSlot();
}

void frmSave::saveLoadSlot() {
    platform::Runtime& runtime = platform::Runtime::get();
    busy = -1;
    runtime.setBusy(true);
    const int slot = Combo1->listIndex();
    try {
        if (Vars::saveMode)
            savefile::saveGame(slot, slotNames);
        else
            loadSlot(slot);
    } catch (const platform::Error&) {
        busy = 0;
        platform::MsgBox(savefile::kFileError, platform::vbCritical, savefile::kFileErrorCaption);
        runtime.setBusy(false);
        // A failed save has changed nothing, so only a failed load starts afresh.
        if (!Vars::saveMode) startAfresh();
        return;
    }
    runtime.setBusy(false);
    busy = 0;
}

// A value beyond its bar cannot be shown, and would be written back clamped:
// such a load fails as a damaged file does, and the world map stays as it was.
void frmSave::loadSlot(int slot) {
    const auto worldBefore = std::make_unique<decltype(Vars::mapData)>(Vars::mapData);
    savefile::loadGame(slot);
    for (const SaveRow& row : kSaveRows) {
        const int value = barValue(row);
        if (value < row.min || value > row.max) {
            Vars::mapData = *worldBefore;
            throw platform::Error(std::string(row.caption) + " lies beyond its bar");
        }
    }
    showLoadedValues();
}

// A new game, shown as a load shows its game: bars left on the old slot's
// values would copy them into the new game at the next move.
void frmSave::startAfresh() {
    busy = -1;
    Subs::initNewGame();
    showLoadedValues();
    busy = 0;
}

// Each value label before its bar; busy keeps the bars' change events from
// copying anything back.
void frmSave::showLoadedValues() {
    for (const SaveRow& row : kSaveRows) {
        lbl8[row.valueLabel].Caption = platform::CStr(row.get());
        HScroll1[row.bar].setValue(barValue(row));
    }
}
