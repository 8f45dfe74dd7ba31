#include "platform/keys.h"

#include <SDL_keyboard.h>

namespace platform {
namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, vk::Back},  {SDLK_TAB, vk::Tab},         {SDLK_RETURN, vk::Return},
    {SDLK_KP_ENTER, vk::Return}, {SDLK_LSHIFT, vk::Shift},    {SDLK_RSHIFT, vk::Shift},
    {SDLK_LCTRL, vk::Control},   {SDLK_RCTRL, vk::Control},   {SDLK_LALT, vk::Menu},
    {SDLK_RALT, vk::Menu},       {SDLK_ESCAPE, vk::Escape},   {SDLK_SPACE, vk::Space},
    {SDLK_PAGEUP, vk::PageUp},   {SDLK_PAGEDOWN, vk::PageDown}, {SDLK_END, vk::End},
    {SDLK_HOME, vk::Home},       {SDLK_LEFT, vk::Left},       {SDLK_UP, vk::Up},
    {SDLK_RIGHT, vk::Right},     {SDLK_DOWN, vk::Down},       {SDLK_INSERT, vk::Insert},
    {SDLK_DELETE, vk::Delete},   {SDLK_PAUSE, 19},            {SDLK_CAPSLOCK, 20},
    {SDLK_KP_MULTIPLY, 106},     {SDLK_KP_PLUS, 107},         {SDLK_KP_MINUS, 109},
    {SDLK_KP_PERIOD, 110},       {SDLK_KP_DIVIDE, 111},       {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},          {SDLK_COMMA, 188},           {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},          {SDLK_SLASH, 191},           {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},     {SDLK_BACKSLASH, 220},       {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

}  // namespace

int virtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return vk::F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    if (key == SDLK_KP_0) return 96;
    for (const KeyPair& p : kNamedKeys)
        if (p.sdl == key) return p.vk;
    return 0;
}

int shiftState(Uint16 mod) {
    int s = 0;
    if (mod & KMOD_SHIFT) s |= ShiftMask;
    if (mod & KMOD_CTRL) s |= CtrlMask;
    if (mod & KMOD_ALT) s |= AltMask;
    return s;
}

}  // namespace platform
