#pragma once
// The level-up screen: the new level, what it added, and the attribute points
// to spend. Worked with the mouse only; the highlight follows it silently.
#include <array>

#include "party/progression.h"
#include "platform/form.h"

class frmLevelUp : public platform::FormOf<frmLevelUp> {
public:
    frmLevelUp() : FormOf("frmLevelUp") {}

    // Set by the level-up before it shows the screen.
    party::LevelGains gains;

    // Entries of lbl3: raise strength, dexterity, wisdom; lower them; done.
    static constexpr int kRaise = 0, kLower = 3, kDone = 6;

protected:
    void build() override;
    void Form_Load() override;

private:
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::ControlArray<platform::Label> lblAttr{this, "lblAttr"};
    platform::ControlArray<platform::Label> lblValue{this, "lblValue"};
    platform::Label* lblTitle = nullptr;
    platform::Label* lblLevel = nullptr;
    platform::Label* lblGains = nullptr;
    platform::Label* lblPoints = nullptr;

    void lbl3_Click(int index);
    void lbl3_MouseMove(int index);
    void showFigures();

    int pointsLeft = 0;
    std::array<int, 3> openedWith{};  // the attributes when the screen opened
};
