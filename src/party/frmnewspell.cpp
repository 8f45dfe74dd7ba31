#include "party/frmnewspell.h"

#include <string>

#include "shell/screen_style.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

constexpr platform::VbColor kFull = 0x505050;  // a full group, greyed
constexpr int kTopGroupLevel = 3;

struct Group {
    const char* name;
    int icon;                 // the battle menu's icon of the group
    const char* spells[3];    // learned at group levels 1, 2, 3
};
constexpr Group kGroups[3] = {
    {"Attack", 27, {"Fireball", "Lightning", "Vulcan"}},
    {"Support", 14, {"Protect", "Vigor", "Boost"}},
    {"Spirit", 18, {"Cure", "Heal", "Transform"}},
};

bool isFull(int group) { return Vars::heroSpells[group] >= kTopGroupLevel; }

}  // namespace

void frmNewSpell::build() {
    shell::designScreen(*this, "Spell Point", 4800, 4020);
    KeyPreview = true;

    lblTitle = &shell::placeText(add<platform::Label>("lblTitle"), 0, 180, 4800, 18);
    lblTitle->Caption = "Spell Point";
    lblInfo = &shell::placeText(add<platform::Label>("lblInfo"), 0, 900, 4800, 9.75);

    const frmTileset& store = frmTileset::get();
    for (int i = 0; i < 3; ++i) {
        const double top = 1500 + i * 600;
        platform::Image& icon = add(img3, i);
        icon.Move(600, top - 60, 480, 480);
        icon.Stretch = true;
        if (store.icons.exists(kGroups[i].icon)) icon.setPicture(store.icons[kGroups[i].icon]);
        platform::Label& entry =
            shell::placeText(add(lbl3, i), 1260, top, 1800, 12, platform::Align::Left);
        entry.Caption = kGroups[i].name;
        entry.onClick = [this, i] { lbl3_Click(i); };
        entry.onMouseMove = [this, i](int, int, double, double) { lbl3_MouseMove(i); };
        shell::placeText(add(lblLevel, i), 3120, top, 1080, 12, platform::Align::Right);
    }
    lblNext = &shell::placeText(add<platform::Label>("lblNext"), 0, 3360, 4800, 9.75);
}

void frmNewSpell::Form_Load() {
    selected = -1;
    lblInfo->Caption = "Choose a spell group to learn.";
    for (int i = 0; i < 3; ++i) {
        lblLevel[i].Caption = std::to_string(Vars::heroSpells[i]) + " / 3";
        lbl3[i].ForeColor = isFull(i) ? kFull : shell::kEntryColor;
        lblLevel[i].ForeColor = lbl3[i].ForeColor;
    }
}

void frmNewSpell::lbl3_MouseMove(int index) {
    if (index == selected || isFull(index)) return;
    if (selected >= 0) lbl3[selected].ForeColor = shell::kEntryColor;
    selected = index;
    lbl3[index].ForeColor = shell::kHighlightColor;
    lblNext->Caption = std::string("Learn ") + kGroups[index].spells[Vars::heroSpells[index]];
    Subs::playSnd17();
}

void frmNewSpell::lbl3_Click(int index) {
    if (isFull(index)) {
        lblInfo->Caption = std::string("You have mastered every ") + kGroups[index].name +
                           " spell.";
        return;
    }
    choose(index);
}

void frmNewSpell::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == Vars::keySelect && selected >= 0) choose(selected);
}

void frmNewSpell::choose(int group) {
    ++Vars::heroSpells[group];
    Subs::playSnd2();
    unload();
}
