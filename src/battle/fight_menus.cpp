// The command menu: five entries that show the main menu, the target and
// party lists, the items and the spells; menuMode says which.
#include <array>
#include <string>

#include "battle/battle_common.h"
#include "battle/fight_menus.h"
#include "battle/frmfight.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace {

using namespace battle;

// Where an entry's picture comes from.
enum class Store { icons, item };

struct Entry {
    const char* caption;
    Store store;
    int picture;
};

struct Menu {
    std::array<Entry, 5> entries;
    MenuMode mode;
};

constexpr Entry kCancel{"Cancel", Store::icons, 5};

constexpr Menu kMain{{{{"Attack", Store::icons, 25},
                       {"Defend", Store::icons, 15},
                       {"Spell", Store::icons, 22},
                       {"Item", Store::icons, 17},
                       {"Flee", Store::icons, 5}}},
                     kMainMenu};
constexpr Menu kItemList{{{{"Herb", Store::item, 0},
                           {"Berry", Store::item, 1},
                           {"Potion", Store::item, 2},
                           {"Fire Pot.", Store::item, 3},
                           kCancel}},
                         kItems};
constexpr Menu kSpellGroupList{{{kCancel,
                                 {"Attack", Store::icons, 27},
                                 {"Support", Store::icons, 14},
                                 {"Spirit", Store::icons, 18},
                                 kCancel}},
                               kSpellGroups};
constexpr Menu kAttackSpellList{{{kCancel,
                                  {"Fireball", Store::icons, 26},
                                  {"Lightning", Store::icons, 12},
                                  {"Vulcan", Store::icons, 4},
                                  kCancel}},
                                kAttackSpells};
constexpr Menu kSupportSpellList{{{kCancel,
                                   {"Protect", Store::icons, 8},
                                   {"Vigor", Store::icons, 20},
                                   {"Boost", Store::icons, 13},
                                   kCancel}},
                                 kSupportSpells};
constexpr Menu kSpiritSpellList{{{kCancel,
                                  {"Cure", Store::icons, 19},
                                  {"Heal", Store::icons, 21},
                                  {"Transform", Store::icons, 6},
                                  kCancel}},
                                kSpiritSpells};
constexpr Entry kHolyEntry{"Holy", Store::icons, 10};

constexpr int kHeroPortrait = 54;

platform::PicturePtr entryPicture(const Entry& e) {
    const frmTileset& store = frmTileset::get();
    return battle::storePicture(e.store == Store::icons ? store.icons : store.item, e.picture);
}

void setEntry(frmFight& f, int i, const std::string& caption, const platform::PicturePtr& picture) {
    f.lbl3[i].Caption = caption;
    f.img3[i].setPicture(picture);
}

void showMenu(frmFight& f, const Menu& m) {
    for (int i = 0; i < 5; ++i) setEntry(f, i, m.entries[i].caption, entryPicture(m.entries[i]));
    f.menuMode = m.mode;
}

}  // namespace

void frmFight::whiteEntries() {
    for (int i = 0; i < 5; ++i) lbl3[i].ForeColor = battle::kWhite;
}

void frmFight::showMainMenu() { showMenu(*this, kMain); }
void frmFight::showItemMenu() { showMenu(*this, kItemList); }
void frmFight::showSpellMenu() { showMenu(*this, kSpellGroupList); }
void frmFight::showAttackSpells() { showMenu(*this, kAttackSpellList); }
void frmFight::showSupportSpells() { showMenu(*this, kSupportSpellList); }

void frmFight::showSpiritSpells() {
    showMenu(*this, kSpiritSpellList);
    if (holyAmulet()) setEntry(*this, 2, "Holy", entryPicture(kHolyEntry));
}

void frmFight::showTargetMenu() {
    const frmTileset& store = frmTileset::get();
    for (int i = 0; i < 5; ++i) {
        int s = kSlotOfEntry[i];
        if (s < 0)
            setEntry(*this, i, kCancel.caption, entryPicture(kCancel));
        else if (Vars::monsterPic[s] == 0)
            setEntry(*this, i, "None", entryPicture(kCancel));
        else
            setEntry(*this, i, Vars::monsterName[s],
                     battle::storePicture(store.imgEnemy, Vars::monsterPic[s]));
    }
}

void frmFight::showPartyMenu() {
    const frmTileset& store = frmTileset::get();
    for (int i : {0, 2, 4}) setEntry(*this, i, kCancel.caption, entryPicture(kCancel));
    setEntry(*this, 1, Vars::heroName, battle::storePicture(store.img, kHeroPortrait));
    setEntry(*this, 3, Vars::allyName, battle::storePicture(store.img, Vars::allyId));
}

void frmFight::lbl3_MouseMove(int index) {
    if (battleEnding() || tmrHero->enabled()) return;
    menuCursor = std::int16_t(index);
    whiteEntries();
    lbl3[index].ForeColor = battle::kHighlight;
}
