#pragma once
// A test that starts from a new game with the default settings: every Vars
// field as a freshly started program holding a new game, the world map blank,
// no music open, and the application folder the harness's temporary one.
#include "support/harness.h"

namespace harness {

// Puts the whole Vars state back to a new game with default settings.
void resetGameState();

class GameTest : public HarnessTest {
protected:
    GameTest();
};

}  // namespace harness
