// The party's blows: the hero's attack on a chosen monster, the ally's on a
// random living one, and the ally's Defend.
#include <array>
#include <string>
#include <string_view>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

using platform::Int;

struct Range {
    int lo, hi;  // lo 0: the code has no row
};

// Weapon damage by code, drawn inclusive.
constexpr std::array<Range, 7> kHeroWeapon = {{{1, 4}, {2, 6}, {4, 10}, {6, 12}, {8, 15}, {10, 20}, {0, 0}}};
constexpr std::array<Range, 7> kAllyWeapon = {{{0, 0}, {2, 6}, {4, 10}, {6, 12}, {8, 15}, {10, 20}, {2, 8}}};

// {N} the attacker, {D} the damage, {M} the monster.
constexpr std::array<std::string_view, 11> kHitMessages = {
    "{N} deals {D} to {M}!",
    "{N} whacks the enemy for {D} damage!",
    "{N} strikes for {D} damage to {M}",
    "{N} attacks and does {D} to {M}",
    "{N} does {D} to {M}",
    "{N} damages {M} for {D} points!",
    "{N} hits {M} for {D} damage!",
    "{N} struck {M} for {D} points!",
    "{N} has struck {M} for {D} damage!",
    "{N} attacks {M} for {D} damage!",
    "{N} hurts {M} for {D} damage!",
};
constexpr std::array<std::string_view, 4> kMissMessages = {
    "{N} misses {M}",
    "{M} dodges {N}'s attack!",
    "{N} failed to hit {M}",
    "{N} hits air!",
};
constexpr int kHeroMisses = 4, kAllyMisses = 3;

constexpr int kAllyDefendBonus = 5, kAllyDefendStrongBonus = 2;

// Fills a message in one pass, so a name holding a brace pattern stays as typed.
std::string fill(std::string_view pattern, const std::string& attacker, int damage,
                 const std::string& monster) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
            switch (pattern[i + 1]) {
                case 'N': out += attacker; break;
                case 'D': out += std::to_string(damage); break;
                default: out += monster; break;
            }
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The weapon's draw plus the strength bonus; 0 for a code without a row.
int weaponBlow(const std::array<Range, 7>& table, int code, int strength) {
    if (code < 0 || code >= int(table.size()) || table[code].lo == 0) return 0;
    return Subs::randomInt(table[code].lo, table[code].hi) + int(Int(strength / 10.0));
}

bool hits(int dexterity, int bonus) {
    return Subs::randomInt(1, 100) <= dexterity / 2.0 + bonus;
}

int plusHalf(int dmg) { return dmg + int(Int(dmg * 0.5)); }

int vigorBonus(bool heroVigor, bool allyVigor) {
    int bonus = 0;
    if (allyVigor) bonus += int(Int(Vars::allyWis / 10.0));
    if (heroVigor) bonus += int(Int(Vars::heroWis / 10.0));
    return bonus;
}

}  // namespace

void frmFight::heroAttack(int slot) {
    const int hitKindNow = transformed ? 2 : 0;
    if (!hits(Vars::heroDex, 50)) {
        hitKind[slot] = std::uint8_t(hitKindNow);
        showTalk(fill(kMissMessages[Subs::randomInt(1, kHeroMisses) - 1], Vars::heroName, 0,
                      Vars::monsterName[slot]));
        Subs::playSnd1or21();
        showMonsterDamage(0, slot);
        return;
    }
    int dmg = weaponBlow(kHeroWeapon, Vars::heroEquip[0], Vars::heroStr);
    if (transformed) {
        dmg = Subs::randomInt(10, 25) + int(Int(Vars::heroStr / 10.0));
        if (Vars::heroEquip[1] == 6) dmg += 4;
        if (Vars::amulet == 4) dmg += int(Int(dmg * 0.2));
    }
    if (Subs::randomInt(1, 100) <= int(Int(Vars::heroStr / 5.0)) + 15 * Vars::amuletsOwned[0]) {
        dmg = plusHalf(dmg);
        showTalk("Critical!");
    }
    if (Vars::amulet == 9) dmg = plusHalf(dmg);
    dmg += vigorBonus(heroVigor, allyVigor);
    dmg = battle::afterDefence(dmg, Vars::monsterDefense[slot]);
    showTalk(fill(kHitMessages[Subs::randomInt(1, 11) - 1], Vars::heroName, dmg,
                  Vars::monsterName[slot]));
    Vars::monsterHP[slot] = battle::toI16(Vars::monsterHP[slot] - dmg);
    hitKind[slot] = std::uint8_t(hitKindNow);
    showMonsterDamage(dmg, slot);
    transformed ? Subs::playSnd14() : Subs::playSnd11();
}

void frmFight::allyAttack() {
    const int s = battle::drawLivingSlot();
    if (s < 0) return;
    if (!hits(Vars::allyDex, 50)) {
        hitKind[s] = 0;
        showTalk(fill(kMissMessages[Subs::randomInt(1, kAllyMisses) - 1], Vars::allyName, 0,
                      Vars::monsterName[s]));
        showMonsterDamage(0, s);
        Subs::playSnd1or21();
        return;
    }
    int dmg = weaponBlow(kAllyWeapon, Vars::allyEquip[0], Vars::allyStr);
    if (Subs::randomInt(1, 100) <= int(Int(Vars::allyStr / 5.0))) {
        dmg = plusHalf(dmg);
        showTalk("Critical!");
    }
    dmg += vigorBonus(heroVigor, allyVigor);
    dmg = battle::afterDefence(dmg, Vars::monsterDefense[s]);
    Vars::monsterHP[s] = battle::toI16(Vars::monsterHP[s] - dmg);
    showTalk(fill(kHitMessages[Subs::randomInt(1, 11) - 1], Vars::allyName, dmg,
                  Vars::monsterName[s]));
    hitKind[s] = 0;
    showMonsterDamage(dmg, s);
    Vars::allyEquip[0] == 6 ? Subs::playSnd6() : Subs::playSnd11();
}

void frmFight::allyDefend() {
    setDefense(1, defense_[1] + kAllyDefendBonus);
    setDefense(3, defense_[3] + kAllyDefendStrongBonus);
    showTalk(Vars::allyName + " defends.");
}
