#include "party/frmlevelup.h"

#include <algorithm>
#include <string>

#include "platform/dialogs.h"
#include "shell/screen_style.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

constexpr int kAttributeTop = 100;

constexpr const char* kAttributeNames[3] = {"Strength", "Dexterity", "Wisdom"};

Vars::u8& attribute(int i) {
    switch (i) {
        case 0: return Vars::heroStr;
        case 1: return Vars::heroDex;
        default: return Vars::heroWis;
    }
}

}  // namespace

void frmLevelUp::build() {
    shell::designScreen(*this, "Level Up", 4800, 4260);

    lblTitle = &shell::placeText(add<platform::Label>("lblTitle"), 0, 180, 4800, 18);
    lblTitle->Caption = "Level Up!";
    lblLevel = &shell::placeText(add<platform::Label>("lblLevel"), 0, 900, 4800, 9.75);
    lblGains = &shell::placeText(add<platform::Label>("lblGains"), 0, 1260, 4800, 9.75);
    lblPoints = &shell::placeText(add<platform::Label>("lblPoints"), 0, 1680, 4800, 9.75);

    for (int i = 0; i < 3; ++i) {
        const double top = 2160 + i * 420;
        shell::placeText(add(lblAttr, i), 600, top, 1560, 9.75, platform::Align::Left).Caption =
            kAttributeNames[i];
        shell::placeText(add(lblValue, i), 2160, top, 600, 9.75, platform::Align::Right);
        shell::placeText(add(lbl3, kLower + i), 3000, top - 60, 420, 12).Caption = "-";
        shell::placeText(add(lbl3, kRaise + i), 3540, top - 60, 420, 12).Caption = "+";
    }
    shell::placeText(add(lbl3, kDone), 1800, 3600, 1200, 9.75).Caption = "Done";

    for (const auto& [i, entry] : lbl3) {
        const int index = i;
        entry->onClick = [this, index] { lbl3_Click(index); };
        entry->onMouseMove = [this, index](int, int, double, double) { lbl3_MouseMove(index); };
    }
}

void frmLevelUp::Form_Load() {
    Subs::playSound("sound/snd28.snd");
    pointsLeft = gains.points;
    for (int i = 0; i < 3; ++i) openedWith[i] = attribute(i);
    lblLevel->Caption =
        Vars::heroName + " has reached level " + std::to_string(Vars::heroLevel) + "!";
    lblGains->Caption = "Max HP +" + std::to_string(gains.maxHP) + "    Max MP +" +
                        std::to_string(gains.maxMP);
    showFigures();
}

void frmLevelUp::showFigures() {
    lblPoints->Caption = "Points to spend: " + std::to_string(pointsLeft);
    for (int i = 0; i < 3; ++i) lblValue[i].Caption = std::to_string(attribute(i));
}

void frmLevelUp::lbl3_Click(int index) {
    if (index == kDone) {
        // Points may stay unspent only when nothing can take them.
        const bool allTop = attribute(0) >= kAttributeTop && attribute(1) >= kAttributeTop &&
                            attribute(2) >= kAttributeTop;
        if (pointsLeft > 0 && !allTop) {
            platform::MsgBox("Please spend all your points.", platform::vbExclamation, "Level Up");
            return;
        }
        Subs::playSnd2();
        unload();
        return;
    }
    Vars::u8& value = attribute(index % 3);
    if (index < kLower) {
        if (pointsLeft == 0 || value >= kAttributeTop) return;
        ++value;
        --pointsLeft;
    } else {
        // Only points spent on this screen can be taken back.
        if (value <= openedWith[index % 3]) return;
        --value;
        ++pointsLeft;
    }
    Subs::playSnd2();
    showFigures();
}

void frmLevelUp::lbl3_MouseMove(int index) {
    for (const auto& [i, entry] : lbl3)
        entry->ForeColor = i == index ? shell::kHighlightColor : shell::kEntryColor;
}
