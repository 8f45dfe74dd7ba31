// The battle screen's controls, its opening, its keys and its closing.
#include <array>

#include "battle/battle_common.h"
#include "battle/backdrops.h"
#include "battle/frmfight.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace {

using platform::Image;
using platform::Label;
using platform::Timer;
using platform::VbColor;

struct Box {
    double left, top, width, height;
};

// One element of a control array with its design place and caption.
struct Element {
    int index;
    Box box;
    const char* caption = "";
};

constexpr Element kMonsterImages[] = {
    {0, {2880, 5520, 810, 480}}, {1, {7320, 5520, 810, 480}}, {2, {5040, 4800, 855, 495}}};
constexpr Element kHitImages[] = {
    {0, {2880, 5520, 735, 495}}, {1, {7320, 5520, 735, 495}}, {2, {5040, 4800, 735, 495}}};
constexpr Element kMenuEntries[] = {{0, {840, 7680, 1470, 330}, "Attack"},
                                    {1, {3000, 7680, 1455, 375}, "Defend"},
                                    {2, {5280, 7680, 1545, 330}, "Spell"},
                                    {3, {7320, 7680, 1455, 330}, "Item"},
                                    {4, {9360, 7680, 1305, 330}, "Flee"}};
constexpr double kMenuIconLefts[] = {480, 2640, 4920, 6960, 9000};
constexpr Element kSpecialLines[] = {{0, {1920, 15, 2655, 255}, "Press ESC For Auto Battle"},
                                     {1, {1920, 1080, 1695, 255}, "(Transformed)"}};
constexpr Element kNames[] = {{0, {720, 960, 975, 255}}, {1, {6120, 960, 975, 255}}};
constexpr Element kPortraits[] = {{0, {840, 240, 720, 720}}, {1, {6240, 240, 720, 720}}};
constexpr Element kHPLines[] = {{0, {1920, 240, 1575, 255}, "Health:"},
                                {1, {7320, 240, 1815, 255}, "Health:"}};
constexpr Element kGauges[] = {{2, {2400, 840, 975, 135}}, {7, {7800, 840, 975, 135}}};
constexpr Element kBlockLabels[] = {
    {0, {4320, 960, 735, 255}, "0"},   {1, {9600, 960, 255, 255}, "0"},
    {2, {1920, 795, 615, 255}, "Atb:"}, {3, {7320, 795, 615, 255}, "Atb:"},
    {4, {4560, 600, 255, 255}, "/"},   {5, {9840, 600, 255, 255}, "/"},
    {6, {4560, 960, 255, 255}, "%"},   {7, {9840, 960, 255, 255}, "%"}};
constexpr Element kDefenseLabels[] = {{0, {4320, 600, 495, 255}, "0"},
                                      {1, {9600, 600, 495, 255}, "0"},
                                      {2, {4800, 600, 495, 255}, "0"},
                                      {3, {10080, 600, 495, 255}, "0"}};
constexpr Element kAttackLabels[] = {
    {0, {4320, 240, 1455, 255}}, {1, {4320, 960, 735, 255}}, {5, {9600, 240, 1095, 255}}};
constexpr Element kDamageLabels[] = {{0, {1920, 4800, 960, 405}}, {1, {6360, 4800, 960, 405}},
                                     {2, {4200, 4200, 960, 405}}, {3, {120, 120, 840, 285}},
                                     {4, {5520, 120, 840, 285}}};
constexpr Element kWeaponIcons[] = {{0, {3960, 240, 255, 255}}, {1, {9240, 240, 255, 255}}};
constexpr Element kArmourIcons[] = {{0, {3960, 600, 255, 255}}, {1, {9240, 600, 255, 255}},
                                    {2, {3960, 960, 255, 255}}, {3, {9240, 960, 255, 255}},
                                    {4, {0, 0, 255, 255}}};

constexpr double kPointsSmall = 8.25, kPointsName = 9.75, kPointsTalk = 12, kPointsBig = 14.25;
constexpr VbColor kTalkColour = 0x8080FF;
constexpr int kMenuIcons[] = {25, 15, 22, 17, 5};
constexpr int kHitFrames = 18;
constexpr double kMonsterCentre[] = {2850, 7800, 5400};
constexpr int kHeroPortrait = 54;
constexpr int kNoShield = 9;
constexpr int kDesignTimerInterval = 60000;
constexpr int kBuffSpan = 30000;
constexpr int kEndPause = 5000;
constexpr int kTalkSpan = 6000;
constexpr int kDamageTick[] = {100, 100, 100, 120, 120};
constexpr int kHitAnimationTick = 300;

void place(platform::Control& c, const Box& b) { c.Move(b.left, b.top, b.width, b.height); }

void styleLabel(Label& l, const Element& e, double points, VbColor colour = battle::kWhite) {
    place(l, e.box);
    l.Caption = e.caption;
    l.ForeColor = colour;
    l.Transparent = true;
    l.font = platform::Font{"Arial", points, true};
}

// The terrain code under the hero; -1 off the world.
int terrainUnderHero() {
    if (Vars::posX < 0 || Vars::posX >= Vars::kMapWidth || Vars::posY < 0 ||
        Vars::posY >= Vars::kMapHeight || Vars::curMap >= Vars::kMaps)
        return -1;
    return Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap);
}

int shieldPicture(int code) { return code == kNoShield ? 0 : code; }

}  // namespace

void frmFight::build() {
    Caption.clear();
    borderStyle = platform::BorderStyle::None;
    ControlBox = false;
    BackColor = 0x000000;
    KeyPreview = true;
    scale = 15;
    Width = 10785;
    Height = 8205;
    defense_ = {};
    block_ = {};

    const frmTileset& store = frmTileset::get();
    auto label = [this](platform::ControlArray<Label>& array, const Element& e, double points,
                        VbColor colour = battle::kWhite) -> Label& {
        Label& l = add(array, e.index);
        styleLabel(l, e, points, colour);
        return l;
    };
    auto image = [this](platform::ControlArray<Image>& array, const Element& e,
                        bool stretch) -> Image& {
        Image& i = add(array, e.index);
        place(i, e.box);
        i.Stretch = stretch;
        return i;
    };

    Image1 = &add<Image>("Image1");
    place(*Image1, {0, 1800, 10815, 5670});
    Image1->Stretch = true;
    for (const Element& e : kMonsterImages) image(imgMonster, e, false);
    for (const Element& e : kHitImages) image(imgAttack, e, false);
    for (int i = 0; i < kHitFrames; ++i) {
        Image& frame = image(attack, {i, {0, 0, 735, 495}}, false);
        frame.setPicture(battle::storePicture(store.hit, i));
        frame.Visible = false;
    }
    for (const Element& e : kMenuEntries) {
        Label& l = label(lbl3, e, kPointsBig);
        l.onClick = [this, i = e.index] { lbl3_Click(i); };
        l.onMouseMove = [this, i = e.index](int, int, double, double) { lbl3_MouseMove(i); };
    }
    for (int i = 0; i < 5; ++i) image(img3, {i, {kMenuIconLefts[i], 7680, 255, 255}}, true);

    lblTalk = &add<Label>("lblTalk");
    styleLabel(*lblTalk, {-1, {0, 1440, 10575, 375}, "The fight has begun!"}, kPointsTalk,
               kTalkColour);
    for (const Element& e : kSpecialLines) label(lblSpecial, e, kPointsSmall, battle::kRed);
    lblSpecial[1].Visible = false;
    // Portraits keep to their box, so a face larger than it never covers the name.
    for (const Element& e : kPortraits) image(img, e, true);
    for (const Element& e : kNames) label(lblName1, e, kPointsName);
    for (const Element& e : kHPLines) label(lblHP, e, kPointsName);
    label(lblMP, {0, {1920, 480, 1575, 255}, "Magek:"}, kPointsName);
    for (const Element& e : kGauges) {
        platform::ProgressBar& bar = add(speed, e.index);
        place(bar, e.box);
        bar.Min = 0;
        bar.Max = 10;
    }
    for (const Element& e : kBlockLabels) label(lblBlock, e, kPointsSmall);
    for (const Element& e : kDefenseLabels) label(lblDefense, e, kPointsSmall);
    for (const Element& e : kAttackLabels) label(lblAttack, e, kPointsSmall);
    for (const Element& e : kDamageLabels) {
        Label& l = label(lblDamage, e, e.index < 3 ? kPointsBig : kPointsName, battle::kRed);
        l.Alignment = platform::Align::Center;
        l.Visible = false;
    }
    for (const Element& e : kWeaponIcons) image(weapon, e, true);
    for (const Element& e : kArmourIcons) image(arm, e, true);

    auto timer = [this](const char* name, int interval) -> Timer& {
        Timer& t = add<Timer>(name);
        t.setInterval(interval);
        return t;
    };
    auto timerIn = [this](platform::ControlArray<Timer>& array, int index, int interval) -> Timer& {
        Timer& t = add(array, index);
        t.setInterval(interval);
        return t;
    };
    tmrHero = &timer("tmrHero", kDesignTimerInterval);
    tmrHero->onTimer = [this] { tmrHero_Timer(); };
    tmrHero2 = &timer("tmrHero2", kDesignTimerInterval);
    tmrHero2->onTimer = [this] { tmrHero2_Timer(); };
    for (int i = 0; i < 3; ++i)
        timerIn(tmrEnemy, i, kDesignTimerInterval).onTimer = [this, i] { tmrEnemy_Timer(i); };
    for (int i = 0; i < 5; ++i)
        timerIn(tmrSupport, i, kBuffSpan).onTimer = [this, i] { tmrSupport_Timer(i); };
    for (int i = 0; i < 5; ++i)
        timerIn(tmrDamage, i, kDamageTick[i]).onTimer = [this, i] { tmrDamage_Timer(i); };
    for (int i = 0; i < 3; ++i)
        timerIn(tmrDmgAni, i, kHitAnimationTick).onTimer = [this, i] { tmrDmgAni_Timer(i); };
    tmrEnemyDead = &timer("tmrEnemyDead", kEndPause);
    tmrEnemyDead->onTimer = [this] { tmrEnemyDead_Timer(); };
    tmrHeroDead = &timer("tmrHeroDead", kEndPause);
    tmrHeroDead->onTimer = [this] { tmrHeroDead_Timer(); };
    tmrFlee = &timer("tmrFlee", kEndPause);
    tmrFlee->onTimer = [this] { tmrFlee_Timer(); };
    tmrTalk = &timer("tmrTalk", kTalkSpan);
    tmrTalk->onTimer = [this] { tmrTalk_Timer(); };
    tmrTalk->setEnabled(true);
}

void frmFight::Form_Load() {
    const frmTileset& store = frmTileset::get();
    using battle::storePicture;

    if (Vars::encounterGroup == 25 && Vars::storyStage < 792) {
        transformed = true;
        lblSpecial[1].Visible = true;
    }
    for (int i = 0; i < 5; ++i) img3[i].setPicture(storePicture(store.icons, kMenuIcons[i]));
    if (Vars::amulet == 9) Vars::autoBattle = 1;
    if (Vars::autoBattle == 1) {
        lblSpecial[0].Visible = true;
        lblSpecial[0].Caption = battle::kAutoAttackOn;
    }
    int backdrop = battle::chooseBackdrop(terrainUnderHero(), Vars::curMap, Vars::encounterGroup,
                                         Vars::monsterPic[2]);
    if (backdrop != battle::kNoBackdrop) Image1->setPicture(storePicture(store.battle, backdrop));
    menuMode = 0;

    for (int s = 0; s < 3; ++s) {
        if (Vars::monsterPic[s] == 0) continue;
        imgMonster[s].setPicture(storePicture(store.imgEnemy, Vars::monsterPic[s]));
        tmrEnemy[s].setInterval(Subs::randomInt(Vars::monsterDelayMin[s], Vars::monsterDelayMax[s]));
    }
    for (int s = 0; s < 3; ++s)
        if (Vars::monsterHP[s] > 0) tmrEnemy[s].setEnabled(true);
    for (int s = 2; s >= 0; --s) imgAttack[s].Left = kMonsterCentre[s] - imgAttack[s].Width / 2;
    for (int s = 2; s >= 0; --s) imgMonster[s].Left = kMonsterCentre[s] - imgMonster[s].Width / 2;
    for (int s = 0; s < 3; ++s) lblDamage[s].Left = imgMonster[s].Left - lblDamage[s].Width;

    lblName1[0].Caption = Vars::heroName;
    weapon[0].setPicture(storePicture(store.weapon, Vars::heroEquip[0]));
    arm[0].setPicture(storePicture(store.armor, Vars::heroEquip[1]));
    arm[2].setPicture(storePicture(store.shield, shieldPicture(Vars::heroEquip[2])));
    img[0].setPicture(storePicture(store.img, kHeroPortrait));
    lblName1[1].Caption = Vars::allyName;
    weapon[1].setPicture(storePicture(store.weapon, Vars::allyEquip[0]));
    arm[1].setPicture(storePicture(store.armor, Vars::allyEquip[1]));
    arm[3].setPicture(storePicture(store.shield, shieldPicture(Vars::allyEquip[2])));
    img[1].setPicture(storePicture(store.img, Vars::allyId));

    setGaugeIntervals();
    tmrHero2->setEnabled(true);
    tmrHero->setEnabled(true);
    showHPMP();
    showDefense();
    showAttack();
}

void frmFight::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == platform::vk::Escape && Vars::amulet != 9) {
        if (Vars::autoBattle != 1) {
            lblSpecial[0].Caption = battle::kAutoAttackOn;
            Vars::autoBattle = 1;
        } else {
            Vars::autoBattle = 0;
            lblSpecial[0].Caption = "(Press ESC For Auto Attack)";
        }
    }
    if (battleEnding() || tmrHero->enabled()) return;
    if (keyCode == Vars::keyLeft || keyCode == Vars::keyUp)
        menuCursor = menuCursor == 0 ? 4 : menuCursor - 1;
    else if (keyCode == Vars::keyRight || keyCode == Vars::keyDown)
        menuCursor = menuCursor == 4 ? 0 : menuCursor + 1;
    else if (keyCode == Vars::keySelect)
        lbl3_Click(menuCursor);
    whiteEntries();
    if (!tmrHero->enabled()) lbl3[menuCursor].ForeColor = battle::kHighlight;
}

void frmFight::Form_Unload() {
    heroProtect = false;
    heroVigor = false;
    heroBoost = false;
    allyVigor = false;
    allyProtect = false;
    transformed = false;
}

bool frmFight::battleEnding() const {
    return tmrHeroDead->enabled() || tmrEnemyDead->enabled() || tmrFlee->enabled();
}

void frmFight::restartTimer(platform::Timer& t) {
    t.setEnabled(false);
    t.setEnabled(true);
}
