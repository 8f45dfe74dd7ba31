#pragma once
#include "platform/form.h"

// The splash, shown modally at start-up: one second after it loads it reads
// the settings and loads the pictures; one second later it unloads itself.
class frmSplash : public platform::FormOf<frmSplash> {
public:
    frmSplash() : FormOf("frmSplash") {}
    // True when the settings or a picture could not be loaded: the program ends.
    bool failed = false;

protected:
    void build() override;
    void Form_Load() override;

private:
    void Timer1_Timer();
    void loadEverything();
    platform::Timer* Timer1 = nullptr;
    int ticks = 0;
};
