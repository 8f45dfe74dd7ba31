// Stands in for the party module until it lands: a fixed companion row.
#include "party/party.h"
#include "shell/vars.h"

namespace Subs {

int setAlly(std::uint8_t id) {
    Vars::allyId = id;
    Vars::allyName = "Sofi";
    Vars::allyStr = Vars::allyDex = Vars::allyWis = 12;
    Vars::allyEquip = {1, 1, 9, 0, 0};
    Vars::allyMode = 0;
    Vars::allyMaxHP = 30;
    if (Vars::allyHP == 0 || Vars::allyHP > Vars::allyMaxHP) Vars::allyHP = Vars::allyMaxHP;
    return Vars::allyMaxHP;
}

void levelUp() {}
void useBerry() {}
void useHerbHero() {}
void useHerbAlly() {}
void usePotionHero() {}
void usePotionAlly() {}
void castCureHero() {}
void castCureAlly() {}
void castHealParty() {}

}  // namespace Subs
