// The hero's attack spells and fire potion, and the ally's one spell.
#include <algorithm>
#include <string_view>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

using platform::Int;

// Hit animations of the spells.
constexpr int kAnimSpark = 1, kAnimFire = 2, kAnimLightning = 3, kAnimVulcan = 4, kAnimHoly = 5,
              kAnimBlow = 0;

int quotient(int attribute, int divisor) { return int(Int(double(attribute) / divisor)); }

// The Demon's Amulet strengthens the hero's spells by a fifth.
int withAmulet(int dmg) { return Vars::amulet == 4 ? dmg + int(Int(dmg * 0.2)) : dmg; }

void takeMP(int cost) { Vars::heroMP = battle::toU8(Vars::heroMP - cost); }

// A quarter of the damage back as hit points, up to the maximum.
std::int16_t drained(std::int16_t hp, int dmg, std::int16_t maxHP) {
    return std::int16_t(std::min<int>(hp + int(Int(dmg * 0.25)), maxHP));
}

enum class AllySpell { none, spark, vigor, protect, strike, blade, holy, lightning, fireball };

struct AllySpellRow {
    std::string_view ally;
    AllySpell spell;
};

// The ally's spell goes by its name.
constexpr AllySpellRow kAllySpells[] = {
    {"Sofi", AllySpell::spark},     {"Jack", AllySpell::vigor},
    {"Sonia", AllySpell::protect},  {"Darwin", AllySpell::strike},
    {"Ryu", AllySpell::blade},      {"Chi", AllySpell::holy},
    {"Myst", AllySpell::lightning}, {"Bree", AllySpell::fireball},
    {"Maurice", AllySpell::fireball},
};

AllySpell allySpellOf(const std::string& name) {
    for (const AllySpellRow& row : kAllySpells)
        if (row.ally == name) return row.spell;
    return AllySpell::none;
}

// Runs a spell's step on every living slot, in slot order.
template <class Step>
void eachLiving(Step step) {
    for (int t = 0; t < 3; ++t)
        if (Vars::monsterHP[t] > 0) step(t);
}

// Takes a blow's damage off a monster and shows it.
int strikeMonster(frmFight& f, int slot, int dmg, int kind) {
    Vars::monsterHP[slot] = battle::toI16(Vars::monsterHP[slot] - dmg);
    f.hitKind[slot] = std::uint8_t(kind);
    f.showMonsterDamage(dmg, slot);
    return dmg;
}

// The ally's one-target bolts (Spark, Fireball): the message comes between
// the blow and its display.
void allyBolt(frmFight& f, int s, int lo, int hi, int kind) {
    int dmg = battle::afterDefence(Subs::randomInt(lo, hi) + quotient(Vars::allyWis, 5),
                                   Vars::monsterMagicDefense[s]);
    Vars::monsterHP[s] = battle::toI16(Vars::monsterHP[s] - dmg);
    f.showTalk(Vars::allyName + (kind == kAnimSpark ? " Casts Spark!" : " Casts Fireball!"));
    f.hitKind[s] = std::uint8_t(kind);
    f.showMonsterDamage(dmg, s);
}

// Darwin's Strike on one slot: a blow that keeps seven tenths after the defence.
void strike(frmFight& f, int t) {
    if (Subs::randomInt(1, 100) > Vars::allyDex / 2.0 + 50) {
        f.showMonsterDamage(0, t);
        return;
    }
    int base = Vars::allyEquip[0] == 3 ? Subs::randomInt(6, 12) : Subs::randomInt(8, 15);
    base += quotient(Vars::allyStr, 10);
    if (f.heroVigor) base += quotient(Vars::heroWis, 10);
    int d = base - Vars::monsterDefense[t];
    d -= int(Int(d * 0.3));
    strikeMonster(f, t, std::max(d, 1), kAnimBlow);
}

// Ryu's Blade: harder to land, but no defence stops it.
void blade(frmFight& f, int s) {
    if (Subs::randomInt(1, 100) > Vars::allyDex / 2.0 + 40) {
        f.hitKind[s] = kAnimBlow;
        f.showMonsterDamage(0, s);
        f.showTalk("Ryu casts Blade!  But misses!");
        Subs::playSnd1or21();
        return;
    }
    f.showTalk("Ryu casts Blade!");
    int dmg = Vars::allyEquip[0] == 4 ? Subs::randomInt(8, 15) : Subs::randomInt(10, 20);
    dmg += quotient(Vars::allyStr, 10);
    if (f.heroVigor) dmg += quotient(Vars::heroWis, 10);
    dmg += int(Int(dmg * 0.3));
    strikeMonster(f, s, std::max(dmg, 1), kAnimBlow);
    Subs::playSnd11();
}

}  // namespace

void frmFight::castFireball(int slot, bool usePotion) {
    if (usePotion) {
        eachLiving([this](int t) {
            int dmg = withAmulet(Subs::randomInt(25, 30));
            strikeMonster(*this, t, battle::afterDefence(dmg, Vars::monsterMagicDefense[t]), kAnimFire);
        });
        Vars::heroItems[3] = battle::toU8(Vars::heroItems[3] - 1);
    } else {
        int dmg = withAmulet(Subs::randomInt(5, 10) + quotient(Vars::heroWis, 5));
        strikeMonster(*this, slot,
                              battle::afterDefence(dmg, Vars::monsterMagicDefense[slot]), kAnimFire);
        takeMP(3);
    }
    Subs::playSnd4();
}

void frmFight::castVulcan(int slot) {
    int dmg = withAmulet(Subs::randomInt(25, 60) + quotient(Vars::heroWis, 5));
    strikeMonster(*this, slot, battle::afterDefence(dmg, Vars::monsterMagicDefense[slot]), kAnimVulcan);
    takeMP(12);
    Subs::playSnd14();
}

void frmFight::castLightning() {
    eachLiving([this](int t) {
        int dmg = withAmulet(Subs::randomInt(5, quotient(Vars::heroWis, 2)));
        strikeMonster(*this, t, battle::afterDefence(dmg, Vars::monsterMagicDefense[t]), kAnimLightning);
    });
    takeMP(6);
    Subs::playSnd13();
}

void frmFight::castHoly() {
    eachLiving([this](int t) {
        int dmg = Subs::randomInt(10, 15) + quotient(Vars::heroWis, 10);
        dmg = strikeMonster(*this, t, battle::afterDefence(dmg, Vars::monsterMagicDefense[t]), kAnimHoly);
        Vars::heroHP = drained(Vars::heroHP, dmg, Vars::heroMaxHP);
    });
    takeMP(7);
    showTalk(Vars::heroName + " Casts Holy!");
    Subs::playSnd16();
}

void frmFight::allySpell() {
    const int s = battle::drawLivingSlot();
    if (s < 0) return;
    const std::string& name = Vars::allyName;
    const int wis = Vars::allyWis;
    switch (allySpellOf(name)) {
        case AllySpell::spark:
            allyBolt(*this, s, 2, 6, kAnimSpark);
            Subs::playSnd12();
            break;
        case AllySpell::vigor:
            allyVigor = true;
            showAttack();
            restartTimer(tmrSupport[3]);
            Subs::playSnd5();
            showTalk("Jack Casts Vigor!");
            break;
        case AllySpell::protect:
            allyProtect = true;
            showDefense();
            restartTimer(tmrSupport[4]);
            Subs::playSnd5();
            showTalk("Sonia Casts Protect!");
            break;
        case AllySpell::strike:
            Subs::playSnd11();
            showTalk(name + " casts Strike!");
            eachLiving([this](int t) { strike(*this, t); });
            break;
        case AllySpell::blade:
            blade(*this, s);
            break;
        case AllySpell::holy:
            eachLiving([this, wis](int t) {
                int dmg = battle::afterDefence(Subs::randomInt(10, 15) + quotient(wis, 10),
                                               Vars::monsterMagicDefense[t]);
                strikeMonster(*this, t, dmg, kAnimHoly);
                Vars::allyHP = drained(Vars::allyHP, dmg, Vars::allyMaxHP);
            });
            Subs::playSnd16();
            showTalk("Chi Casts Holy!");
            break;
        case AllySpell::lightning:
            Subs::playSnd13();
            showTalk(name + " casts Lightning!");
            eachLiving([this, wis](int t) {
                int dmg = battle::afterDefence(Subs::randomInt(5, quotient(wis, 2)),
                                               Vars::monsterMagicDefense[t]);
                strikeMonster(*this, t, dmg, kAnimLightning);
            });
            break;
        case AllySpell::fireball:
            allyBolt(*this, s, 5, 10, kAnimFire);
            Subs::playSnd4();
            break;
        case AllySpell::none: break;
    }
    showHPMP();
}
