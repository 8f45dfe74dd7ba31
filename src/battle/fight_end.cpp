// How a battle ends: victory with its rewards, flight, or defeat, each
// closing the screen five seconds later.
#include <string>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/frmtitle.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace {

constexpr double kRubyCap = 9999;
constexpr int kFledSteps = 5;
constexpr std::uint8_t kTitleTrack = 2;

}  // namespace

void frmFight::checkVictory() {
    bool anyAlive = false;
    for (int s = 0; s < 3; ++s) {
        if (Vars::monsterHP[s] > 0) {
            anyAlive = true;
            continue;
        }
        imgMonster[s].Visible = false;
        tmrEnemy[s].setEnabled(false);
    }
    if (anyAlive) return;

    tmrEnemyDead->setEnabled(true);
    for (int i = 0; i < 5; ++i) tmrSupport[i].setEnabled(false);
    tmrHero->setEnabled(false);
    tmrHero2->setEnabled(false);

    int r = Vars::monsterRubies[0] + Vars::monsterRubies[1] + Vars::monsterRubies[2];
    int e = Vars::monsterExp[0] + Vars::monsterExp[1] + Vars::monsterExp[2];
    if (Vars::amulet == 7) e += int(platform::Int(e * 0.25));
    Vars::heroExp += e;
    if (Vars::amulet == 3) r += int(platform::Int(r * 0.5));
    Vars::rubies += r;
    if (Vars::rubies > kRubyCap) Vars::rubies = kRubyCap;
    showTalk("You have won the battle!  Your party gains " + std::to_string(r) + " rubies and " +
             std::to_string(e) + " experience!");
    tmrTalk->setEnabled(false);
    showMainMenu();
    lbl3[0].ForeColor = battle::kWhite;
    lbl3[1].ForeColor = battle::kWhite;
}

bool frmFight::flee() {
    showMainMenu();
    if (Vars::noFlee != 0) {
        showTalk("You can't run away.");
        return false;
    }
    const int x = Subs::randomInt(1, 100);
    const double threshold = 100 - platform::Int(Vars::heroDex / 4.0) -
                             platform::Int(Vars::allyDex / 4.0) - 50;
    if (threshold <= x) {
        showTalk("You have ran away . . .");
        Vars::encounterSteps = kFledSteps;
        tmrTalk->setEnabled(false);
        for (int s = 2; s >= 0; --s) tmrEnemy[s].setEnabled(false);
        tmrFlee->setEnabled(true);
        Subs::playSnd10();
    } else {
        showTalk("The enemy has caught you . . .");
        showMainMenu();
        useTurn();
    }
    return true;
}

void frmFight::tmrEnemyDead_Timer() {
    tmrEnemyDead->setEnabled(false);
    unload();
}

void frmFight::tmrFlee_Timer() {
    tmrFlee->setEnabled(false);
    unload();
}

void frmFight::tmrHeroDead_Timer() {
    tmrHeroDead->setEnabled(false);
    unload();
    frmMap::get().unload();
    Vars::areaTrack = kTitleTrack;
    frmTitle::get().show();
}
