// A monster's action: each tick of its timer strikes the hero or the ally.
#include <algorithm>
#include <array>
#include <string>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

struct SoundRow {
    const char* file;
    std::array<int, 11> pictures;  // 0 pads the short rows
};

// The sound of a monster's normal hit, by its picture.
constexpr SoundRow kAttackSounds[] = {
    {"snd4.snd", {29}},
    {"snd6.snd", {27, 34}},
    {"snd11.snd", {16, 42}},
    {"snd12.snd", {6}},
    {"snd14.snd", {25}},
    {"snd16.snd", {10, 26, 43}},
    {"snd19.snd", {2, 7, 18}},
    {"snd22.snd", {37, 49}},
    {"snd23.snd", {11, 15, 17, 19, 23, 35, 44, 47, 48}},
    {"snd24.snd", {1, 3, 4, 9, 12, 14, 24, 28, 31, 32, 46}},
    {"snd25.snd", {20, 21}},
    {"snd26.snd", {5, 13, 22, 33}},
    {"snd27.snd", {8, 30, 36, 38, 39, 40, 41, 45, 50}},
};

constexpr std::array<const char*, 51> soundByPicture() {
    std::array<const char*, 51> bySound{};
    for (const SoundRow& row : kAttackSounds)
        for (int p : row.pictures)
            if (p != 0) bySound[p] = row.file;
    return bySound;
}
constexpr std::array<const char*, 51> kSoundOf = soundByPicture();

constexpr bool everyPictureHasOneSound() {
    std::array<int, 51> count{};
    for (const SoundRow& row : kAttackSounds)
        for (int p : row.pictures)
            if (p != 0) ++count[p];
    for (int p = 1; p <= 50; ++p)
        if (count[p] != 1) return false;
    return true;
}
static_assert(everyPictureHasOneSound());

constexpr int kHero = 0, kAlly = 1;
constexpr int kPartyLabel = 3;  // lblDamage(3) is the hero's, (4) the ally's

const std::string& targetName(int t) { return t == kHero ? Vars::heroName : Vars::allyName; }

// Takes the blow off the target; amulet 8 turns a quarter of a blow on the
// hero into magic points.
void applyDamage(int t, int d) {
    if (t == kAlly) {
        Vars::allyHP = battle::toI16(Vars::allyHP - d);
        return;
    }
    Vars::heroHP = battle::toI16(Vars::heroHP - d);
    int mp = Vars::heroMP;
    if (Vars::amulet == 8) mp += int(platform::Int(d * 0.25));
    Vars::heroMP = battle::toU8(std::min(mp, int(Vars::heroMaxMP)));
}

}  // namespace

void frmFight::tmrEnemy_Timer(int index) {
    const int s = index;
    tmrEnemy[s].setInterval(Subs::randomInt(Vars::monsterDelayMin[s], Vars::monsterDelayMax[s]));
    const int t = Subs::randomInt(1, 2) - 1;
    if (Subs::randomInt(1, 5) == 5) {
        // The strong attack: never blocked, never missed, silent.
        int d = Subs::randomInt(Vars::monsterSpecialMin[s], Vars::monsterSpecialMax[s]);
        d = std::max(d - defense_[t + 2], 1);
        applyDamage(t, d);
        showPartyDamage(d, t + kPartyLabel);
        showHPMP();
    } else {
        if (Subs::randomInt(1, 100) < block_[t]) {
            showTalk(targetName(t) + "'s has blocked " + Vars::monsterName[s] + "'s attack!");
            Subs::playSnd19or22();
            return;
        }
        const int dexterity = t == kHero ? Vars::heroDex : Vars::allyDex;
        const int threshold = std::max(Vars::monsterAccuracy[s] - dexterity / 10, 0);
        if (Subs::randomInt(1, 100) <= threshold) {
            int d = Subs::randomInt(Vars::monsterHitMin[s], Vars::monsterHitMax[s]);
            d = std::max(d - defense_[t], 1);
            applyDamage(t, d);
            showPartyDamage(d, t + kPartyLabel);
            showHPMP();
            const char* sound = Vars::monsterPic[s] <= 50 ? kSoundOf[Vars::monsterPic[s]] : nullptr;
            if (sound) battle::playBattleSound(sound);
        } else {
            showTalk(Vars::monsterName[s] + " has missed " + targetName(t) + ".");
            showPartyDamage(0, t + kPartyLabel);
            Subs::playSnd1or21();
        }
    }
    if (Vars::heroHP < 1 || Vars::allyHP < 1) {
        tmrHeroDead->setEnabled(true);
        for (int i = 0; i < 3; ++i) tmrEnemy[i].setEnabled(false);
        for (int i = 0; i < 5; ++i) tmrSupport[i].setEnabled(false);
        tmrHero->setEnabled(false);
        tmrHero2->setEnabled(false);
        showTalk("You have been defeated.");
        tmrTalk->setEnabled(false);
    }
    showHPMP();
}
