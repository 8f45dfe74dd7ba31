#pragma once
// Keys reach the game as Windows virtual-key numbers, because config.ini
// stores them that way.
#include <SDL_keycode.h>

namespace platform {

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
              Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118,
              F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123;
}

// The virtual-key number of an SDL key, or 0 for a key the game has no name for.
int virtualKey(SDL_Keycode key);

// Shift-state bits as the runtime passes them to key and mouse handlers.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
int shiftState(Uint16 sdlMod);

// Mouse buttons as masks.
constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;

}  // namespace platform
