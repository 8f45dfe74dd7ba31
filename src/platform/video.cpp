#include "platform/video.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>

#include "platform/form.h"
#include "platform/keys.h"

namespace platform {

bool Video::init(const char* title) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Thorncall II needs a display to run: %s\n", SDL_GetError());
        return false;
    }
    // A larger window on a large screen; the picture scales with it.
    int w = 800, h = 600;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        int factor = std::max(1, std::min((mode.w - 80) / 800, (mode.h - 120) / 600));
        w *= factor;
        h *= factor;
    }
    window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                               SDL_WINDOW_RESIZABLE);
    if (!window_) {
        std::fprintf(stderr, "Thorncall II cannot open its window: %s\n", SDL_GetError());
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        std::fprintf(stderr, "Thorncall II cannot draw in its window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_StartTextInput();
    Runtime& rt = Runtime::get();
    rt.busyHook = [](bool busy) {
        static SDL_Cursor* wait = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
        static SDL_Cursor* arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        SDL_SetCursor(busy ? wait : arrow);
    };
    rt.setEventSource(this);
    return true;
}

Video::~Video() {
    if (frame_) SDL_FreeSurface(frame_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

void Video::present() {
    Runtime& rt = Runtime::get();
    if (!rt.dirty() || !renderer_) return;
    rt.clearDirty();
    int w = rt.logicalWidth(), h = rt.logicalHeight();
    if (w != texW_ || h != texH_) {
        if (texture_) SDL_DestroyTexture(texture_);
        if (frame_) SDL_FreeSurface(frame_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
        frame_ = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_RenderSetLogicalSize(renderer_, w, h);
        texW_ = w;
        texH_ = h;
    }
    rt.compose(frame_);
    SDL_UpdateTexture(texture_, nullptr, frame_->pixels, frame_->pitch);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    // The window takes the caption of the screen in front.
    if (Form* f = rt.inputForm())
        SDL_SetWindowTitle(window_, f->Caption.empty() ? "Thorncall II" : f->Caption.c_str());
}

void Video::dispatch(const SDL_Event& e) {
    Runtime& rt = Runtime::get();
    switch (e.type) {
        case SDL_QUIT: rt.quit(); break;
        case SDL_KEYDOWN:
            if (int k = virtualKey(e.key.keysym.sym)) rt.keyDown(k, shiftState(e.key.keysym.mod));
            break;
        case SDL_KEYUP:
            if (int k = virtualKey(e.key.keysym.sym)) rt.keyUp(k, shiftState(e.key.keysym.mod));
            break;
        case SDL_TEXTINPUT: rt.textInput(e.text.text); break;
        case SDL_MOUSEMOTION: {
            int buttons = 0;
            if (e.motion.state & SDL_BUTTON_LMASK) buttons |= LeftButton;
            if (e.motion.state & SDL_BUTTON_RMASK) buttons |= RightButton;
            if (e.motion.state & SDL_BUTTON_MMASK) buttons |= MiddleButton;
            rt.mouseMove(buttons, shiftState(SDL_GetModState()), e.motion.x, e.motion.y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int b = e.button.button == SDL_BUTTON_LEFT    ? LeftButton
                    : e.button.button == SDL_BUTTON_RIGHT ? RightButton
                                                          : MiddleButton;
            if (e.type == SDL_MOUSEBUTTONDOWN)
                rt.mouseDown(b, shiftState(SDL_GetModState()), e.button.x, e.button.y);
            else
                rt.mouseUp(b, shiftState(SDL_GetModState()), e.button.x, e.button.y);
            break;
        }
        case SDL_WINDOWEVENT:
            // Our one window's close ends the game even where SDL is told not
            // to turn the last window's close into a quit.
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) rt.quit();
            rt.invalidate();
            break;
        default: break;
    }
}

void Video::wait(std::uint64_t nextDue) {
    present();
    Runtime& rt = Runtime::get();
    std::uint64_t now = rt.now();
    // Wake at least every 100 ms so tooltips and window events are served.
    int timeout = nextDue == kNoTimer ? 100 : int(std::min<std::uint64_t>(100, nextDue > now ? nextDue - now : 0));
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout)) {
        dispatch(e);
        poll();
    }
    if (rt.tooltipDue()) rt.invalidate();
}

bool Video::closePending() {
    SDL_PumpEvents();
    if (SDL_HasEvent(SDL_QUIT)) return true;
    SDL_Event events[64];
    const int n = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < n; ++i)
        if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) return true;
    return false;
}

void Video::poll() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) dispatch(e);
}

}  // namespace platform
