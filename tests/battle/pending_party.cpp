// Stand-ins for the party's procedures until they land on main.
#include <algorithm>

#include "party/party.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace Subs {

void levelUp() {
    ++Vars::heroLevel;
    Vars::heroNextExp += 100;
}

int setAlly(std::uint8_t) { return Vars::allyMaxHP; }

namespace {
std::int16_t capped(int hp, int max) { return std::int16_t(std::min(hp, max)); }
}  // namespace

void useBerry() {
    --Vars::heroItems[1];
    Vars::heroMP = std::uint8_t(std::min(Vars::heroMP + randomInt(10, 20), int(Vars::heroMaxMP)));
    playSnd0();
}
void useHerbHero() {
    --Vars::heroItems[0];
    Vars::heroHP = capped(Vars::heroHP + randomInt(10, 15), Vars::heroMaxHP);
    playSnd0();
}
void useHerbAlly() {
    --Vars::heroItems[0];
    Vars::allyHP = capped(Vars::allyHP + randomInt(10, 15), Vars::allyMaxHP);
    playSnd0();
}
void usePotionHero() {
    --Vars::heroItems[2];
    Vars::heroHP = capped(Vars::heroHP + randomInt(25, 50), Vars::heroMaxHP);
    playSnd0();
}
void usePotionAlly() {
    --Vars::heroItems[2];
    Vars::allyHP = capped(Vars::allyHP + randomInt(25, 50), Vars::allyMaxHP);
    playSnd0();
}
void castCureHero() {
    Vars::heroHP = capped(Vars::heroHP + randomInt(15, 25) + Vars::heroWis / 2, Vars::heroMaxHP);
    Vars::heroMP -= 4;
    playSnd0();
}
void castCureAlly() {
    Vars::allyHP = capped(Vars::allyHP + randomInt(15, 25) + Vars::heroWis / 2, Vars::allyMaxHP);
    Vars::heroMP -= 4;
    playSnd0();
}
void castHealParty() {
    Vars::allyHP = capped(Vars::allyHP + randomInt(15, 30) + Vars::heroWis / 5, Vars::allyMaxHP);
    Vars::heroHP = capped(Vars::heroHP + randomInt(15, 30) + Vars::heroWis / 5, Vars::heroMaxHP);
    Vars::heroMP -= 7;
    playSnd0();
}

}  // namespace Subs
