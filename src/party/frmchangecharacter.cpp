#include "party/frmchangecharacter.h"

#include <algorithm>
#include <string>

#include "party/companions.h"
#include "party/party.h"
#include "party/roster.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace {

constexpr int kWidthPx = 360, kHeightPx = 300;
constexpr double kFirstTop = 1200, kRowHeight = 420;

}  // namespace

void frmChangeCharacter::build() {
    buildWindow("Companions", "Who comes along?", kWidthPx, kHeightPx);

    // An edited save may hold a stage before the first one.
    ids = party::joinedCompanions(std::max<int>(Vars::storyStage, 0));
    for (int i = 0; i < int(ids.size()); ++i) {
        platform::Label& entry = add(lbl3, i);
        entry.Move(600, kFirstTop + i * kRowHeight, 2400, 360);
        entry.Transparent = true;
        entry.font = {.name = "Arial", .size = 12, .bold = true};
        entry.Caption = std::string(party::companionName(ids[i]));
    }
    imgFace = &add<platform::Image>("imgFace");
    imgFace->Move(3300, kFirstTop, 1440, 1440);
    imgFace->Stretch = true;

    menu.onSelect = [this](int i) { showFace(i); };
    // The present ally starts highlighted when it is among them.
    const auto present = std::find(ids.begin(), ids.end(), Vars::allyId);
    menu.attach(present == ids.end() ? -1 : int(present - ids.begin()));
}

void frmChangeCharacter::showFace(int index) {
    const PictureArray& faces = frmTileset::get().img;
    const bool known = index >= 0 && index < int(ids.size()) && faces.exists(ids[index]);
    imgFace->setPicture(known ? faces[ids[index]] : nullptr);
}

void frmChangeCharacter::Form_KeyDown(int keyCode, int) { menu.keyDown(keyCode); }

void frmChangeCharacter::lbl3_Click(int index) {
    Vars::allyId = ids[index];
    Subs::setAlly(ids[index]);
    unload();
}
