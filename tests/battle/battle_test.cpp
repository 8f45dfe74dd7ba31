#include "battle_test.h"

#include "battle/encounter.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace battletest {
namespace {


// Pictures of distinct sizes wherever the store has none, so the screen's
// pictures can be told apart and placed.
void fillStore() {
    frmTileset& store = frmTileset::get();
    auto fill = [](PictureArray& a, int first, int last) {
        for (int i = first; i <= last; ++i)
            if (!a.exists(i)) a.put(i, platform::MakePicture(20 + i, 16 + i % 7, 0xFF000000u + i));
    };
    fill(store.battle, 0, 12);
    fill(store.imgEnemy, 1, 50);
    fill(store.icons, 0, 30);
    fill(store.item, 0, 3);
    fill(store.img, 0, 60);
    fill(store.weapon, 0, 6);
    fill(store.armor, 0, 6);
    fill(store.shield, 0, 5);
    fill(store.hit, 0, 17);
    // The map screen under the battle draws terrain, sprites and its frame.
    for (int i = 0; i <= 105; ++i)
        if (!store.Tiles.exists(i)) store.Tiles.put(i, platform::MakePicture(36, 36, 0xFF000000u + i));
    fill(store.windowTexture, 1, 5);
}

}  // namespace

void resetParty() {
    Vars::heroHP = Vars::heroMaxHP = 100;
    Vars::heroMP = Vars::heroMaxMP = 50;
    Vars::heroNextExp = 1000;
    Vars::heroEquip = {0, 0, 9, 9, 9};
    Vars::heroSpells = {0, 0, 0};
    Vars::heroItems = {0, 0, 0, 0};
    Vars::allyId = 51;
    Vars::allyName = "Jack";
    Vars::allyHP = Vars::allyMaxHP = 100;
    Vars::allyStr = Vars::allyDex = Vars::allyWis = 10;
    Vars::allyEquip = {1, 1, 9, 9, 9};
    Vars::allyMode = 7;  // a tactic that does nothing, unless a test chooses one
    Vars::musicOn = 1;
    Vars::soundOn = 0;
    Vars::autoBattle = 0;
}

BattleTest::BattleTest() {
    fillStore();
    resetParty();
    f.menuCursor = 0;
    f.onTalk = [this](const std::string& text) { talk.push_back(text); };
}

BattleTest::~BattleTest() { f.onTalk = nullptr; }

void BattleTest::monsters(int slot0, int slot1, int slot2) {
    Vars::clearMonsterSlots();
    int ids[] = {slot0, slot1, slot2};
    for (int s = 0; s < 3; ++s) Subs::setMonster(ids[s], s);
}

void BattleTest::openFight() {
    std::vector<Draw> delays;
    for (int s = 0; s < 3; ++s)
        if (Vars::monsterPic[s] != 0)
            delays.push_back({Vars::monsterDelayMin[s], Vars::monsterDelayMax[s], Vars::monsterDelayMin[s]});
    h.scriptDraws(delays);
    f.show();
    talk.clear();
}

}  // namespace battletest
