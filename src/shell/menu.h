#pragma once
// The menu pattern that every menu screen shares: the entries are labels of
// one control array and the selected one is drawn in a highlight colour; the
// configured keys move the selection with wrap-around, the mouse selects by
// hovering, and the select key or a click chooses.
//
// Usage, in a form:
//
//   platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
//   shell::Menu menu{lbl3, {.highlight = 0xFFFFFF, .normal = 0x000000, .escEntry = 4},
//                    [this](int i) { lbl3_Click(i); }};
//
//   void build() override { ... add(lbl3, i) for each entry ...; menu.attach(); }
//   void Form_KeyDown(int keyCode, int) override { menu.keyDown(keyCode); }
//
// attach() wires the labels' click and mouse-move events, so call it at every
// load after the labels exist. Choosing plays sound 2 and then calls the
// handler with the entry's index. Labels that are hidden or disabled are
// skipped by the keys.
#include <functional>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/controls.h"

namespace shell {

struct MenuStyle {
    platform::VbColor highlight = platform::vbWhite;
    platform::VbColor normal = platform::vbBlack;
    // Up/down (Vars::keyUp, keyDown) or left/right (keyLeft, keyRight).
    bool horizontal = false;
    // Both pairs move it: up and left go back, down and right go on.
    bool bothAxes = false;
    // A key configured for both directions goes on rather than back.
    bool forwardFirst = false;
    // Sound 17 when a key moves the selection (title and status screens).
    bool keySound = false;
    // Sound 17 when the mouse moves onto another entry.
    bool hoverSound = true;
    // The arrow keys, Enter and Esc instead of the configured keys.
    bool fixedKeys = false;
    // The entry that Esc chooses; -1 when Esc does nothing.
    int escEntry = -1;
};

class Menu {
public:
    using Labels = platform::ControlArray<platform::Label>;

    Menu(Labels& labels, MenuStyle style, std::function<void(int)> choose);

    // Wires the labels of this load and selects `selected` (the first entry
    // when -1).
    void attach(int selected = -1);

    // Handles a key; true when it was one of the menu's keys.
    bool keyDown(int keyCode);

    int selected() const { return selected_; }
    // Moves the highlight without a sound.
    void select(int index);
    // Chooses an entry as the select key or a click does.
    void choose(int index);

    // Runs after every change of the selection (keys, mouse or select()).
    std::function<void(int)> onSelect;

private:
    bool usable(int index) const;
    void step(int direction);
    void hover(int index);

    Labels& labels_;
    MenuStyle style_;
    std::function<void(int)> choose_;
    int selected_ = -1;
};

}  // namespace shell
