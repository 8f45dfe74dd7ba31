// The two action gauges, the ally's tactics, the timed buffs and the message line.
#include "battle/battle_common.h"
#include "battle/fight_menus.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

constexpr int kGaugeFull = 10;
constexpr int kHeroGauge = 2, kAllyGauge = 7;

enum class Buff { heroProtect = 0, heroVigor = 1, boost = 2, allyVigor = 3, allyProtect = 4 };

// Milliseconds per gauge step: every two points of dexterity take 10 off.
int stepInterval(int dexterity) {
    return int(800 - platform::Int(dexterity / 2.0) * 10 + 1);
}

int boosted(int interval) {
    return int(interval - platform::Int(Vars::heroWis / 5.0 * interval * 0.01) + 1);
}

}  // namespace

void frmFight::setGaugeIntervals() {
    tmrHero->setInterval(stepInterval(Vars::heroDex));
    tmrHero2->setInterval(stepInterval(Vars::allyDex));
    if (Vars::amulet == 9) tmrHero->setInterval(int(platform::Int(tmrHero->interval() * 0.5)) + 1);
    lblBlock[2].ForeColor = battle::kWhite;
    lblBlock[3].ForeColor = battle::kWhite;
}

void frmFight::castBoost() {
    setGaugeIntervals();
    tmrHero->setInterval(boosted(tmrHero->interval()));
    tmrHero2->setInterval(boosted(tmrHero2->interval()));
    lblBlock[2].ForeColor = battle::kRed;
    lblBlock[3].ForeColor = battle::kRed;
}

void frmFight::tmrHero_Timer() {
    if (battleEnding()) return;
    platform::ProgressBar& gauge = speed[kHeroGauge];
    gauge.setValue(gauge.value() + 1);
    if (gauge.value() == kGaugeFull) {
        tmrHero->setEnabled(false);
        lbl3[0].ForeColor = battle::kHighlight;
        // The highlighted entry is the one the select key picks.
        menuCursor = 0;
        gauge.setValue(0);
        showDefense();
    }
    if (lblSpecial[0].Caption != battle::kAutoAttackOn) return;
    // Every tick aims; only the tick that filled the gauge gets through lbl3_Click.
    int s = battle::drawLivingSlot();
    if (s < 0) return;
    lbl3_Click(0);
    if (Vars::amulet == 6) {
        lbl3_Click(0);
        showMainMenu();
    } else {
        lbl3_Click(battle::kEntryOfSlot[s]);
    }
}

void frmFight::tmrHero2_Timer() {
    if (battleEnding()) return;
    platform::ProgressBar& gauge = speed[kAllyGauge];
    gauge.setValue(gauge.value() + 1);
    if (gauge.value() != kGaugeFull) return;
    gauge.setValue(0);
    switch (Vars::allyMode) {
        case 0: allyAttack(); break;
        case 1: Subs::randomInt(1, 2) == 1 ? allyAttack() : allySpell(); break;
        case 2: Subs::randomInt(1, 100) < 20 ? allySpell() : allyAttack(); break;
        case 3:
            switch (Subs::randomInt(1, 3)) {
                case 1: allyAttack(); break;
                case 2: allyDefend(); break;
                default: allySpell(); break;
            }
            break;
        case 4: allyDefend(); break;
        case 5: Subs::randomInt(1, 2) == 1 ? allyAttack() : allyDefend(); break;
        case 6: Subs::randomInt(1, 2) == 1 ? allySpell() : allyDefend(); break;
        default: break;
    }
    checkVictory();
}

void frmFight::tmrSupport_Timer(int index) {
    switch (Buff(index)) {
        case Buff::heroProtect: heroProtect = false; break;
        case Buff::heroVigor: heroVigor = false; break;
        case Buff::boost:
            heroBoost = false;
            setGaugeIntervals();
            break;
        case Buff::allyVigor: allyVigor = false; break;
        case Buff::allyProtect: allyProtect = false; break;
    }
    tmrSupport[index].setEnabled(false);
    showDefense();
    showAttack();
}

void frmFight::showTalk(const std::string& text) {
    lblTalk->Caption = text;
    lblTalk->Visible = true;
    restartTimer(*tmrTalk);
    if (onTalk) onTalk(text);
}

void frmFight::tmrTalk_Timer() {
    tmrTalk->setEnabled(false);
    lblTalk->Visible = false;
}
