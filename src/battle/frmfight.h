#pragma once
// The battle screen. It has no loop of its own: its timers run the fight
// (gauges, monsters, buffs, damage numbers, the end) and its menu takes the
// hero's commands. Split by concern over the fight_*.cpp files.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/form.h"

class frmFight : public platform::FormOf<frmFight> {
public:
    frmFight() : FormOf("frmFight") {}

    // Fields; they survive unload, so only Form_Load and Form_Unload reset them.
    std::uint8_t menuMode = 0;
    std::int16_t menuCursor = 0;
    std::array<std::uint8_t, 3> hitFrame{};
    std::array<std::uint8_t, 3> hitKind{};
    bool heroProtect = false;
    bool heroVigor = false;
    bool heroBoost = false;
    bool allyVigor = false;
    bool allyProtect = false;
    bool transformed = false;

    // Every message line written, in order; empty unless someone listens.
    std::function<void(const std::string&)> onTalk;

    // Controls, rebuilt at every load.
    platform::Image* Image1 = nullptr;
    platform::ControlArray<platform::Image> imgMonster{this, "imgMonster"};
    platform::ControlArray<platform::Image> imgAttack{this, "imgAttack"};
    platform::ControlArray<platform::Image> attack{this, "attack"};
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::ControlArray<platform::Image> img3{this, "img3"};
    platform::Label* lblTalk = nullptr;
    platform::ControlArray<platform::Label> lblSpecial{this, "lblSpecial"};
    platform::ControlArray<platform::Label> lblName1{this, "lblName1"};
    platform::ControlArray<platform::Image> img{this, "img"};
    platform::ControlArray<platform::Label> lblHP{this, "lblHP"};
    platform::ControlArray<platform::Label> lblMP{this, "lblMP"};
    platform::ControlArray<platform::ProgressBar> speed{this, "speed"};
    platform::ControlArray<platform::Label> lblBlock{this, "lblBlock"};
    platform::ControlArray<platform::Label> lblDefense{this, "lblDefense"};
    platform::ControlArray<platform::Label> lblAttack{this, "lblAttack"};
    platform::ControlArray<platform::Label> lblDamage{this, "lblDamage"};
    platform::ControlArray<platform::Image> weapon{this, "weapon"};
    platform::ControlArray<platform::Image> arm{this, "arm"};

    platform::Timer* tmrHero = nullptr;
    platform::Timer* tmrHero2 = nullptr;
    platform::ControlArray<platform::Timer> tmrEnemy{this, "tmrEnemy"};
    platform::ControlArray<platform::Timer> tmrSupport{this, "tmrSupport"};
    platform::ControlArray<platform::Timer> tmrDamage{this, "tmrDamage"};
    platform::ControlArray<platform::Timer> tmrDmgAni{this, "tmrDmgAni"};
    platform::Timer* tmrEnemyDead = nullptr;
    platform::Timer* tmrHeroDead = nullptr;
    platform::Timer* tmrFlee = nullptr;
    platform::Timer* tmrTalk = nullptr;

    // The defence and block figures: numbers the monsters read, shown as the
    // captions of lblDefense(0..3) and lblBlock(0..1).
    int defenseFigure(int i) const { return defense_[i]; }
    int blockFigure(int i) const { return block_[i]; }

    // Gauges, ally tactics, buffs and the message line.
    void setGaugeIntervals();
    void castBoost();
    void showTalk(const std::string& text);
    void tmrHero_Timer();
    void tmrHero2_Timer();
    void tmrSupport_Timer(int index);
    void tmrTalk_Timer();

    // Command menus.
    void lbl3_Click(int index);
    void lbl3_MouseMove(int index);
    void showMainMenu();
    void showTargetMenu();
    void showItemMenu();
    void showSpellMenu();
    void showAttackSpells();
    void showSupportSpells();
    void showSpiritSpells();
    void showPartyMenu();

    // Attacks.
    void heroAttack(int slot);
    void allyAttack();
    void allyDefend();

    // Spells.
    void castFireball(int slot, bool usePotion);
    void castVulcan(int slot);
    void castLightning();
    void castHoly();
    void allySpell();

    // Monster turns.
    void tmrEnemy_Timer(int index);

    // Figures.
    void showDefense();
    void showAttack();

    // Damage display.
    void showMonsterDamage(int dmg, int slot);
    void showPartyDamage(int dmg, int who);
    void tmrDamage_Timer(int index);
    void tmrDmgAni_Timer(int index);
    void showHPMP();

    // The end.
    void checkVictory();
    void tmrEnemyDead_Timer();
    void tmrFlee_Timer();
    void tmrHeroDead_Timer();

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload() override;

private:
    void setDefense(int i, int value);
    void setBlock(int i, int value);
    bool battleEnding() const;
    void restartTimer(platform::Timer& t);
    void whiteEntries();
    bool flee();
    void useTurn();
    // One list of the command menu each; false when the command was refused.
    bool mainMenuCommand(int index);
    bool attackTargetCommand(int index);
    bool itemCommand(int index);
    bool spellGroupCommand(int index);
    bool attackSpellCommand(int index);
    bool supportSpellCommand(int index);
    bool spiritSpellCommand(int index);
    bool spellTargetCommand(int index);
    bool partyCommand(int index);
    bool refuse(const std::string& message);

    std::array<int, 4> defense_{};
    std::array<int, 2> block_{};
};
