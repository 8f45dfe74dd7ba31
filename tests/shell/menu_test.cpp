// The shared menu helper: which keys move the selection, and how it wraps.
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/keys.h"
#include "shell/menu.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace {

// Four entries, the third hidden so that the keys skip it.
class MenuForm : public platform::Form {
public:
    MenuForm(const std::string& name, shell::MenuStyle style)
        : Form(name), menu(lbl, style, [this](int i) { chosen.push_back(i); }) {}
    platform::ControlArray<platform::Label> lbl{this, "lbl"};
    shell::Menu menu;
    std::vector<int> chosen;

protected:
    void build() override {
        scale = 1;
        Width = 200;
        Height = 100;
        for (int i = 0; i < 4; ++i) add(lbl, i).Move(0, 20 * i, 100, 20);
        lbl[2].Visible = false;
        menu.attach();
    }
};

// Forms live as long as the program.
MenuForm& bothAxes() {
    static MenuForm f("menuBothAxes", {.bothAxes = true});
    return f;
}
MenuForm& oneAxis(bool horizontal) {
    static MenuForm vertical("menuVertical", {});
    static MenuForm across("menuHorizontal", {.horizontal = true});
    return horizontal ? across : vertical;
}

MenuForm& forwardFirst() {
    static MenuForm f("menuForwardFirst", {.bothAxes = true, .forwardFirst = true});
    return f;
}

using MenuKeys = harness::GameTest;

TEST_F(MenuKeys, BothAxesStepBackWithUpOrLeftAndOnWithDownOrRightWrapping) {
    // Configured keys, not the arrows, so that the settings are what count.
    Vars::keyUp = 'W';
    Vars::keyLeft = 'A';
    Vars::keyDown = 'S';
    Vars::keyRight = 'D';
    struct Step {
        int key, selected;
    };
    const Step steps[] = {{'D', 1}, {'D', 3}, {'D', 0}, {'S', 1}, {'A', 0},
                          {'W', 3}, {'A', 1}, {'S', 3}, {'W', 1}};
    MenuForm& f = bothAxes();
    f.load();
    EXPECT_EQ(f.menu.selected(), 0);
    for (const Step& s : steps) {
        EXPECT_TRUE(f.menu.keyDown(s.key)) << char(s.key);
        EXPECT_EQ(f.menu.selected(), s.selected) << "after " << char(s.key);
        for (int i : {0, 1, 3})
            EXPECT_EQ(f.lbl[i].ForeColor, i == s.selected ? platform::vbWhite : platform::vbBlack);
    }
    EXPECT_FALSE(f.menu.keyDown(platform::vk::Right)) << "the arrows are not the configured keys";
    EXPECT_TRUE(f.chosen.empty());
    f.unload();
}

TEST_F(MenuKeys, OneAxisLeavesTheOtherPairAlone) {
    struct Case {
        bool horizontal;
        int moves, ignored;
    };
    for (Case c : {Case{false, Vars::keyDown, Vars::keyRight}, Case{true, Vars::keyRight, Vars::keyDown}}) {
        MenuForm& f = oneAxis(c.horizontal);
        f.load();
        EXPECT_FALSE(f.menu.keyDown(c.ignored));
        EXPECT_EQ(f.menu.selected(), 0);
        EXPECT_TRUE(f.menu.keyDown(c.moves));
        EXPECT_EQ(f.menu.selected(), 1);
        f.unload();
    }
}

// A key configured for two directions, on one axis or across both, steps
// back from the first entry to the last, or on to the next where the menu
// tests its forward keys first.
TEST_F(MenuKeys, AKeyForTwoDirectionsGoesBackUnlessForwardComesFirst) {
    struct Case {
        int left, right, up, down, pressed;
    };
    for (Case c : {Case{'D', 'D', 'W', 'S', 'D'}, Case{'A', 'D', 'S', 'S', 'S'},
                   Case{'A', 'K', 'K', 'S', 'K'}, Case{'K', 'D', 'W', 'K', 'K'}}) {
        Vars::keyLeft = c.left;
        Vars::keyRight = c.right;
        Vars::keyUp = c.up;
        Vars::keyDown = c.down;
        for (auto [form, selected] : {std::pair{&bothAxes, 3}, std::pair{&forwardFirst, 1}}) {
            MenuForm& f = form();
            f.load();
            EXPECT_TRUE(f.menu.keyDown(c.pressed));
            EXPECT_EQ(f.menu.selected(), selected) << f.name() << " " << char(c.pressed);
            f.unload();
        }
    }
}

}  // namespace
