// Opening the chest under the hero.
#include <algorithm>

#include "shell/subs.h"
#include "shell/vars.h"
#include "world/chests.h"
#include "world/frmmap.h"
#include "world/map_sounds.h"

bool frmMap::openChest() {
    Vars::u8& object = Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap);
    const int code = object;
    if (code < 1 || code >= world::kEmptyChest) return false;  // nothing, or nothing left
    object = world::kEmptyChest;
    Subs::playSound(world::kChestSound);

    if (code == world::kMonsterChest) {
        showText(world::kMonsterChestText, world::kHeroFace, Vars::heroName, 0);
        // The zone's group is back in force after the fight.
        const Vars::u8 zoneGroup = Vars::encounterGroup;
        Vars::encounterGroup = world::kChestFightGroup;
        startEncounter();
        Vars::encounterGroup = zoneGroup;
        return true;
    }
    for (const world::MoneyChest& chest : world::kMoneyChests) {
        if (chest.code != code) continue;
        const int found = Subs::randomInt(chest.lo, chest.hi);
        Vars::rubies = std::min(world::kMaxRubies, Vars::rubies + found);
        showText("You found " + std::to_string(found) + " rubies!", world::kHeroFace,
                 Vars::heroName, 0);
    }
    for (const world::ItemChest& chest : world::kItemChests) {
        if (chest.code != code) continue;
        Vars::u8& count = Vars::heroItems[chest.item];
        const bool first = count == 0 && chest.foundFirst != nullptr;
        count = Vars::u8(std::min(world::kMaxItems, count + 1));
        showText(first ? chest.foundFirst : chest.found, world::kHeroFace, Vars::heroName, 0);
    }
    return false;
}
