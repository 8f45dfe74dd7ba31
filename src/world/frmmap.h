#pragma once
// The map screen: the party walks the world here, one step per key press.
#include <array>
#include <functional>
#include <string>

#include "platform/form.h"
#include "world/map_format.h"

namespace world {
struct Trigger;
}

class frmMap : public platform::FormOf<frmMap> {
public:
    frmMap();

    // Element 0 is the party's status line; the battle hides it.
    platform::ControlArray<platform::Label> lblPot{this, "lblPot"};
    // Element 0 is the hero's face; the battle hides it and shows it again.
    platform::ControlArray<platform::Image> add{this, "add"};

    // The talk box: one line with a face, the speaker and a clickable OK.
    // In chained mode (mode not 0) OK runs the area script again.
    void showText(const std::string& text, int portraitId, const std::string& speaker, int mode);
    void closeTALK();
    bool talkShown() const;

    // The area script of each map, run after every step; an empty one does
    // nothing. They start as the story route's mapNEvents.
    std::array<std::function<void()>, world::kMapCount> areaScripts;
    void map0Events();
    void map1Events();
    void map2Events();
    void map3Events();
    void map4Events();
    void map5Events();
    void map6Events();

    // The byte of questFlags that records a use of the cheat prompt.
    static constexpr int kCheatUsedFlag = 10;

    // Where battles start. Tests put a double here.
    std::function<void()> startEncounter;

    // Draws the view around the hero and shows the status line and the face.
    void redraw();

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    // Controls of the current load.
    platform::PictureBox* picView = nullptr;
    platform::Timer* tmrMove = nullptr;
    platform::Image* imgTalkFrame = nullptr;
    platform::Image* imgTalk = nullptr;
    platform::Label* lblSpeaker = nullptr;
    platform::Label* lblTalk = nullptr;
    platform::Label* lblOK = nullptr;

    void buildTalkBox();
    std::array<platform::Control*, 5> talkBoxControls() const;
    void tmrMove_Timer();
    void lblOK_Click();

    // The step, in its stages.
    void step(int dx, int dy, int newFacing);
    void applyZone();
    void changeLevel();
    void countEncounter();
    bool openChest();  // true when a monster jumped out and fought
    void runAreaScript();

    // The story route.
    void runEvents(int map);
    void runActions(const world::Trigger& trigger, std::size_t from);
    bool fixedFight(int group);  // true when won
    const world::Trigger* chained_ = nullptr;  // a line waits for OK, then this goes on
    std::size_t chainedNext_ = 0;

    // Function keys.
    void showSaveScreen(bool save);
    void showOptions();
    void cheatPrompt();

    // Drawing.
    void drawView();
    void showStatus();
};
