// The item and healing effects. The battle menu checks counts and magic
// points before it calls them; they work in int and never let a byte or a
// 16-bit figure wrap, whatever an edited save holds.
#include <algorithm>
#include <limits>

#include "party/party.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

using Vars::i16;
using Vars::u8;

constexpr int kHerb = 0, kBerries = 1, kPotion = 2;

void takeItem(int kind) {
    u8& count = Vars::heroItems[kind];
    if (count > 0) --count;
}

void spendMP(int cost) { Vars::heroMP = static_cast<u8>(std::max(Vars::heroMP - cost, 0)); }

// Stores a raised figure as its type can hold it; the cap to the maximum is
// separate because the potions play their sound in between.
void raise(i16& hp, int amount) {
    hp = static_cast<i16>(std::clamp(hp + amount, int(std::numeric_limits<i16>::min()),
                                     int(std::numeric_limits<i16>::max())));
}
void cap(i16& hp, i16 max) {
    if (hp >= max) hp = max;
}
void heal(i16& hp, i16 max, int amount) {
    raise(hp, amount);
    cap(hp, max);
}

}  // namespace

namespace Subs {

void useBerry() {
    takeItem(kBerries);
    const int mp = Vars::heroMP + randomInt(10, 20);
    Vars::heroMP = static_cast<u8>(std::min<int>(mp, Vars::heroMaxMP));
    playSnd0();
}

void useHerbHero() {
    takeItem(kHerb);
    heal(Vars::heroHP, Vars::heroMaxHP, randomInt(10, 15));
    playSnd0();
}

void useHerbAlly() {
    takeItem(kHerb);
    heal(Vars::allyHP, Vars::allyMaxHP, randomInt(10, 15));
    playSnd0();
}

void usePotionHero() {
    takeItem(kPotion);
    raise(Vars::heroHP, randomInt(25, 50));
    playSnd0();
    cap(Vars::heroHP, Vars::heroMaxHP);
}

void usePotionAlly() {
    takeItem(kPotion);
    raise(Vars::allyHP, randomInt(25, 50));
    playSnd0();
    cap(Vars::allyHP, Vars::allyMaxHP);
}

void castCureHero() {
    raise(Vars::heroHP, randomInt(15, 25) + Vars::heroWis / 2);
    spendMP(4);
    cap(Vars::heroHP, Vars::heroMaxHP);
    playSnd0();
}

void castCureAlly() {
    // The hero casts it, so the hero's wisdom counts.
    raise(Vars::allyHP, randomInt(15, 25) + Vars::heroWis / 2);
    spendMP(4);
    cap(Vars::allyHP, Vars::allyMaxHP);
    playSnd0();
}

void castHealParty() {
    heal(Vars::allyHP, Vars::allyMaxHP, randomInt(15, 30) + Vars::heroWis / 5);
    heal(Vars::heroHP, Vars::heroMaxHP, randomInt(15, 30) + Vars::heroWis / 5);
    spendMP(7);
    playSnd0();
}

void refillParty() {
    Vars::heroHP = Vars::heroMaxHP;
    Vars::heroMP = Vars::heroMaxMP;
    Vars::allyHP = Vars::allyMaxHP;
}

}  // namespace Subs
