#pragma once
#include <array>
#include <string>

#include "platform/form.h"
#include "shell/menu_window.h"
#include "shell/menu.h"

// Hero creation: a name, ten attribute points over strength, dexterity and
// wisdom (each 10 to 20), and the difficulty. OK starts the new game.
class frmNew : public shell::MenuWindow<frmNew> {
public:
    frmNew() : MenuWindow("frmNew") {}

    static constexpr int kBaseAttribute = 10;
    static constexpr int kPoints = 10;
    // Whether a typed character (a code point) may go into the name: any
    // printable letter the game can draw, but the saved games hold the name
    // between quotes on one line, so quotes and control characters are
    // refused. Backspace still edits.
    static bool nameCharAllowed(int ch);
    static constexpr const char* kQuoteRefused = "A name cannot hold quotation marks.";
    // The message for a letter that no font of the game has, naming it.
    static std::string undrawableRefused(int ch);

protected:
    void build() override;
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void lbl3_Click(int index);
    void showChoices();
    void startGame();
    int pointsLeft() const;

    std::array<int, 3> attributes{};  // strength, dexterity, wisdom
    int difficulty = 0;

    platform::TextBox* txtName = nullptr;
    platform::Label* lblPoints = nullptr;
    platform::ControlArray<platform::Label> lblAttribute{this, "lblAttribute"};
    platform::ControlArray<platform::Label> lblValue{this, "lblValue"};
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    shell::Menu menu{lbl3, {.bothAxes = true, .escEntry = 8}, [this](int i) { lbl3_Click(i); }};
};
