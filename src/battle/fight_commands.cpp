// The hero's commands: a click on a menu entry, read by the list on show.
// A command carried out uses the turn (the gauge starts again); a refused one
// writes why and leaves the turn to the player.
#include <string>

#include "battle/fight_menus.h"
#include "battle/frmfight.h"
#include "party/party.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

using namespace battle;

constexpr const char* kNotEnoughMagek = "You do not have enough magek to use this!";
constexpr const char* kSpellNotYet = "You cannot use this spell yet!";

// The hero's Defend, until the figures are next rebuilt.
constexpr int kDefendBonus = 5, kDefendStrongBonus = 2;

// Support spells by entry: the group level they need and their MP, plain
// and with the Rogue Amulet worn.
struct SupportSpell {
    int level, cost, rogueCost;
};
constexpr SupportSpell kSupport[4] = {{0, 0, 0}, {1, 2, 1}, {2, 4, 2}, {3, 6, 3}};

constexpr int kFireballMP = 3, kLightningMP = 6, kVulcanMP = 12, kHealMP = 7, kCureMP = 4,
              kTransformMP = 12;
constexpr int kTransformStage = 415;

// The living slot when exactly one monster lives, else -1.
int onlyLivingSlot() {
    int found = -1, living = 0;
    for (int s = 0; s < 3; ++s)
        if (Vars::monsterHP[s] > 0) {
            found = s;
            ++living;
        }
    return living == 1 ? found : -1;
}

}  // namespace

void frmFight::useTurn() { tmrHero->setEnabled(true); }

bool frmFight::refuse(const std::string& message) {
    showTalk(message);
    return false;
}

void frmFight::lbl3_Click(int index) {
    if (battleEnding() || tmrHero->enabled()) return;
    if (index >= 0 && index <= 4) {
        bool carryOn = true;
        switch (menuMode) {
            case kMainMenu: carryOn = mainMenuCommand(index); break;
            case kAttackTarget: carryOn = attackTargetCommand(index); break;
            case kItems: carryOn = itemCommand(index); break;
            case kSpellGroups: carryOn = spellGroupCommand(index); break;
            case kAttackSpells: carryOn = attackSpellCommand(index); break;
            case kSupportSpells: carryOn = supportSpellCommand(index); break;
            case kSpiritSpells: carryOn = spiritSpellCommand(index); break;
            case kFireballTarget:
            case kVulcanTarget: carryOn = spellTargetCommand(index); break;
            case kHerbTarget:
            case kPotionTarget:
            case kCureTarget: carryOn = partyCommand(index); break;
            default: break;
        }
        if (!carryOn) return;
    }
    showHPMP();
    checkVictory();
    if (tmrHero->enabled()) whiteEntries();
}

bool frmFight::mainMenuCommand(int index) {
    switch (index) {
        case 0:
            if (Vars::amulet == 6) {
                for (int s = 0; s < 3; ++s)
                    if (Vars::monsterHP[s] > 0) heroAttack(s);
                showMainMenu();
                useTurn();
            } else {
                showTargetMenu();
                menuMode = kAttackTarget;
                if (int s = onlyLivingSlot(); s >= 0) {
                    showMainMenu();
                    useTurn();
                    heroAttack(s);
                }
            }
            return true;
        case 1:
            setDefense(0, defense_[0] + kDefendBonus);
            setDefense(2, defense_[2] + kDefendStrongBonus);
            useTurn();
            showMainMenu();
            return true;
        case 2: showSpellMenu(); return true;
        case 3: showItemMenu(); return true;
        default:
            showMainMenu();
            return flee();
    }
}

bool frmFight::attackTargetCommand(int index) {
    int s = kSlotOfEntry[index];
    if (s < 0) {
        showMainMenu();
        return true;
    }
    if (Vars::monsterHP[s] < 1) return false;
    showMainMenu();
    useTurn();
    heroAttack(s);
    return true;
}

bool frmFight::itemCommand(int index) {
    switch (index) {
        case 0:
            if (Vars::heroItems[0] == 0) return refuse("You have no herbs!");
            showPartyMenu();
            menuMode = kHerbTarget;
            return true;
        case 1:
            if (Vars::heroItems[1] == 0) return refuse("You have no berries!");
            Subs::useBerry();
            showMainMenu();
            useTurn();
            return true;
        case 2:
            if (Vars::heroItems[2] == 0) return refuse("You have no potions!");
            showPartyMenu();
            menuMode = kPotionTarget;
            return true;
        case 3:
            if (Vars::heroItems[3] == 0) return refuse("You have no fire potions!");
            castFireball(0, true);
            showTalk("Used Fire Potion!");
            showMainMenu();
            useTurn();
            return true;
        default:
            showMainMenu();
            return true;
    }
}

bool frmFight::spellGroupCommand(int index) {
    if (index == 0 || index == 4) {
        showMainMenu();
        return true;
    }
    if (Vars::heroSpells[index - 1] == 0) return refuse("You cannot use this spell group yet!");
    if (index == 1) showAttackSpells();
    else if (index == 2) showSupportSpells();
    else showSpiritSpells();
    return true;
}

bool frmFight::attackSpellCommand(int index) {
    const int level = Vars::heroSpells[0];
    switch (index) {
        case 1:
            if (Vars::heroMP < kFireballMP) return refuse(kNotEnoughMagek);
            showTargetMenu();
            menuMode = kFireballTarget;
            if (int s = onlyLivingSlot(); s >= 0) {
                showMainMenu();
                useTurn();
                castFireball(s, false);
            }
            return true;
        case 2:
            if (level < 2) return refuse(kSpellNotYet);
            if (Vars::heroMP < kLightningMP) return refuse(kNotEnoughMagek);
            castLightning();
            showMainMenu();
            showTalk(Vars::heroName + " Casts Lightning!");
            useTurn();
            return true;
        case 3:
            if (level < 3) return refuse(kSpellNotYet);
            if (Vars::heroMP < kVulcanMP) return refuse(kNotEnoughMagek);
            showTargetMenu();
            menuMode = kVulcanTarget;
            if (int s = onlyLivingSlot(); s >= 0) {
                showMainMenu();
                useTurn();
                castVulcan(s);
            }
            return true;
        default:
            showSpellMenu();
            return true;
    }
}

bool frmFight::supportSpellCommand(int index) {
    if (index == 0 || index == 4) {
        showSpellMenu();
        return true;
    }
    const SupportSpell& spell = kSupport[index];
    if (Vars::heroSpells[1] < spell.level) return refuse(kSpellNotYet);
    const int cost = rogueAmulet() ? spell.rogueCost : spell.cost;
    if (Vars::heroMP < cost) return refuse(kNotEnoughMagek);
    Vars::heroMP = std::uint8_t(Vars::heroMP - cost);
    switch (index) {
        case 1:
            heroProtect = true;
            showDefense();
            showMainMenu();
            restartTimer(tmrSupport[0]);
            Subs::playSnd5();
            break;
        case 2:
            // The ally's own Vigor keeps its own span.
            heroVigor = true;
            showAttack();
            showMainMenu();
            restartTimer(tmrSupport[1]);
            Subs::playSnd5();
            break;
        default:
            heroBoost = true;
            castBoost();
            showMainMenu();
            Subs::playSnd5();
            restartTimer(tmrSupport[2]);
            break;
    }
    useTurn();
    return true;
}

bool frmFight::spiritSpellCommand(int index) {
    const int level = Vars::heroSpells[2];
    switch (index) {
        case 1:
            showPartyMenu();
            menuMode = kCureTarget;
            return true;
        case 2:
            if (level < 2) return refuse(kSpellNotYet);
            if (Vars::heroMP < kHealMP) return refuse(kNotEnoughMagek);
            showMainMenu();
            if (holyAmulet()) {
                castHoly();
                showTalk("Casted Holy!");
            } else {
                Subs::castHealParty();
                showTalk("Casted Heal on the party!");
            }
            useTurn();
            return true;
        case 3:
            if (level < 3 || Vars::storyStage < kTransformStage) return refuse(kSpellNotYet);
            if (transformed) {
                transformed = false;
                useTurn();
                lblSpecial[1].Visible = false;
                showTalk(Vars::heroName + " Reverts back to Human Form!");
            } else {
                if (Vars::heroMP < kTransformMP) return refuse(kNotEnoughMagek);
                lblSpecial[1].Visible = true;
                Vars::heroMP = std::uint8_t(Vars::heroMP - kTransformMP);
                useTurn();
                transformed = true;
                showTalk(Vars::heroName + " Transforms!");
            }
            showAttack();
            showDefense();
            Subs::playSnd5();
            showMainMenu();
            return true;
        default:
            showSpellMenu();
            return true;
    }
}

bool frmFight::spellTargetCommand(int index) {
    int s = kSlotOfEntry[index];
    if (s < 0) {
        showAttackSpells();
        return true;
    }
    if (Vars::monsterHP[s] < 1) return false;
    if (menuMode == kFireballTarget) {
        castFireball(s, false);
        showMainMenu();
        showTalk(Vars::heroName + " Casts Fireball!");
    } else {
        castVulcan(s);
        showTalk(Vars::heroName + " Casts Vulcan!");
        showMainMenu();
    }
    useTurn();
    return true;
}

bool frmFight::partyCommand(int index) {
    if (index != kHeroEntry && index != kAllyEntry) {
        if (menuMode == kCureTarget) showSpiritSpells();
        else showItemMenu();
        return true;
    }
    const bool hero = index == kHeroEntry;
    switch (menuMode) {
        case kHerbTarget: hero ? Subs::useHerbHero() : Subs::useHerbAlly(); break;
        case kPotionTarget: hero ? Subs::usePotionHero() : Subs::usePotionAlly(); break;
        default:
            if (Vars::heroMP < kCureMP) return refuse(kNotEnoughMagek);
            hero ? Subs::castCureHero() : Subs::castCureAlly();
            break;
    }
    useTurn();
    showMainMenu();
    return true;
}
