// The sinking damage numbers, the hit animations and the HP and MP lines.
#include <array>
#include <string>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "shell/vars.h"

namespace {

// Where each damage number starts, and past which Top it is hidden again.
struct Travel {
    double start, end;
};
constexpr std::array<Travel, 5> kTravel = {{{4750, 5700}, {4800, 5750}, {4100, 5050}, {120, 840}, {120, 840}}};
// The order in which a tick looks for numbers that have sunk far enough.
constexpr int kSinkCheckOrder[] = {1, 2, 0, 3, 4};
constexpr double kSinkStep = 50;
constexpr int kLastFrame = 3;

std::string damageText(int dmg) { return dmg == 0 ? "Miss!" : "- " + std::to_string(dmg); }

void colourLine(platform::Label& l, bool low) { l.ForeColor = low ? battle::kRed : battle::kWhite; }

}  // namespace

void frmFight::showMonsterDamage(int dmg, int slot) {
    platform::Label& number = lblDamage[slot];
    number.Caption = damageText(dmg);
    number.Visible = true;
    tmrDamage[slot].setEnabled(true);
    number.Top = kTravel[slot].start;
    hitFrame[slot] = 0;
    tmrDmgAni[slot].setEnabled(true);
    const platform::Image& monster = imgMonster[slot];
    platform::Image& hit = imgAttack[slot];
    hit.Left = float(monster.Left) + float(monster.Width) / 5;
    hit.Top = float(monster.Top) + float(monster.Height) / 5;
    hit.Visible = true;
}

void frmFight::showPartyDamage(int dmg, int who) {
    platform::Label& number = lblDamage[who];
    number.Caption = damageText(dmg);
    number.Top = kTravel[who].start;
    number.Visible = true;
    tmrDamage[who].setEnabled(true);
}

void frmFight::tmrDamage_Timer(int index) {
    lblDamage[index].Top += kSinkStep;
    for (int i : kSinkCheckOrder) {
        platform::Label& number = lblDamage[i];
        if (number.Top <= kTravel[i].end) continue;
        number.Visible = false;
        number.Top = kTravel[i].start;
        tmrDamage[i].setEnabled(false);
    }
}

void frmFight::tmrDmgAni_Timer(int index) {
    platform::Image& hit = imgAttack[index];
    if (hitFrame[index] == kLastFrame) {
        tmrDmgAni[index].setEnabled(false);
        hit.Visible = false;
        hit.setPicture(nullptr);
        hitFrame[index] = 0;
        return;
    }
    hit.setPicture(attack[hitKind[index] * 3 + hitFrame[index]].picture());
    ++hitFrame[index];
}

void frmFight::showHPMP() {
    if (Vars::allyHP < 0) Vars::allyHP = 0;
    if (Vars::heroHP < 0) Vars::heroHP = 0;
    lblHP[0].Caption = "HP:  " + std::to_string(Vars::heroHP) + " / " + std::to_string(Vars::heroMaxHP);
    lblHP[1].Caption = "HP:  " + std::to_string(Vars::allyHP) + " / " + std::to_string(Vars::allyMaxHP);
    lblMP[0].Caption = "MP:  " + std::to_string(Vars::heroMP) + " / " + std::to_string(Vars::heroMaxMP);
    // The hero's MP line follows the hero's hit points.
    const bool heroLow = Vars::heroHP <= Vars::heroMaxHP / 4;
    colourLine(lblHP[0], heroLow);
    colourLine(lblMP[0], heroLow);
    colourLine(lblHP[1], Vars::allyHP <= Vars::allyMaxHP / 4);
}
