#include "platform/form.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/draw.h"
#include "platform/font.h"
#include "platform/keys.h"
#include "platform/runtime.h"

namespace platform {
namespace {

constexpr int kCaptionLeft = 6;  // the caption's inset from the title bar's left end

Font titleFont(BorderStyle style) {
    Font f;
    f.bold = true;
    f.size = style == BorderStyle::ToolWindow ? 8 : 9;
    return f;
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) { Runtime::get().formCreated(*this); }

Form::~Form() = default;

Control& Form::adopt(std::unique_ptr<Control> c) {
    controls_.push_back(std::move(c));
    return *controls_.back();
}

void Form::load() {
    if (loaded_) return;
    // The controls of the last load may still be referenced by a handler on
    // the stack; they are kept until the load after this one.
    retired_ = std::move(controls_);
    controls_.clear();
    for (ControlArrayBase* a : arrays_) a->clear();
    focused_ = captured_ = pressed_ = nullptr;
    buttons_ = 0;
    loaded_ = true;
    visible_ = false;
    build();
    for (auto& c : controls_)
        if (!focused_ && c->acceptsFocus() && c->Visible && c->Enabled) focused_ = c.get();
    Form_Load();
    Runtime::get().invalidate();
}

void Form::unload() {
    if (!loaded_ || unloading_) return;
    unloading_ = true;
    try {
        Form_Unload();
    } catch (const QuitRequested&) {
        // A dialog of the handler met the quit; the form goes all the same,
        // and the loops around it unwind at their next turn.
    }
    unloading_ = false;
    stopTimers();
    loaded_ = false;
    visible_ = false;
    focused_ = captured_ = pressed_ = nullptr;
    buttons_ = 0;
    Runtime::get().formUnloaded(*this);
}

void Form::stopTimers() {
    for (auto& c : controls_)
        if (c->isTimer()) static_cast<Timer&>(*c).disarm();
}

// A quit asked for while a screen loads, or between two screens, ends the
// program before the next screen shows: nothing of it runs on the way out.
void Form::show() {
    Runtime& rt = Runtime::get();
    if (rt.quitAsked()) return;
    load();
    if (!loaded_ || rt.quitAsked()) return;  // Form_Load unloaded it, or the quit unloaded it
    visible_ = true;
    rt.formShown(*this);
}

void Form::showModal() {
    Runtime& rt = Runtime::get();
    rt.checkQuit();
    load();
    rt.checkQuit();
    if (!loaded_) return;
    visible_ = true;
    modal_ = true;
    struct EndModal {
        bool& modal;
        ~EndModal() { modal = false; }
    } endModal{modal_};
    rt.formShown(*this);
    rt.runModal(*this);
    rt.checkQuit();
}

void Form::hide() {
    visible_ = false;
    Runtime::get().formHidden(*this);
}

int Form::titleBarHeight() const {
    switch (borderStyle) {
        case BorderStyle::None: return 0;
        case BorderStyle::ToolWindow: return 17;
        default: return 23;
    }
}

int Form::captionFitWidth() const {
    const int bar = titleBarHeight();
    if (bar == 0) return 0;
    // The caption is clipped a bar's height short of the right end, where the
    // close box sits; keep a margin as wide as the inset on the left.
    return kCaptionLeft + textWidth(titleFont(borderStyle), Caption) + kCaptionLeft + bar;
}

int Form::pixelWidth() const { return int(std::lround(Width / scale)); }
int Form::pixelHeight() const { return int(std::lround(Height / scale)) + titleBarHeight(); }

Control* Form::controlAt(double x, double y) const {
    for (auto& c : controls_)
        if (c->Visible && !c->isTimer() && c->overlayHit(x, y)) return c.get();
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        if (c.Visible && !c.isTimer() && c.hitTest(x, y)) return &c;
    }
    return nullptr;
}

Control* Form::find(const std::string& name, int index) const {
    for (auto& c : controls_)
        if (c->name() == name && c->index() == index) return c.get();
    return nullptr;
}

void Form::bringToFront(Control& c) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](auto& p) { return p.get() == &c; });
    if (it == controls_.end()) return;
    std::rotate(it, it + 1, controls_.end());
    Runtime::get().invalidate();
}

void Form::sendToBack(Control& c) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](auto& p) { return p.get() == &c; });
    if (it == controls_.end()) return;
    std::rotate(controls_.begin(), it, it + 1);
    Runtime::get().invalidate();
}

void Form::dispatchKeyDown(int vk, int shift) {
    Control* target = focused_ && focused_->Visible && focused_->Enabled ? focused_ : nullptr;
    if (KeyPreview || !target) Form_KeyDown(vk, shift);
    if (!loaded_) return;
    if (target && focused_ == target) target->keyDown(vk, shift);
    if (!loaded_) return;
    // Enter presses the default button, Esc the cancel button.
    if (vk == vk::Return || vk == vk::Escape) {
        for (auto& c : controls_) {
            auto* b = dynamic_cast<CommandButton*>(c.get());
            if (b && b->Visible && b->Enabled && (vk == vk::Return ? b->Default : b->Cancel)) {
                b->click();
                return;
            }
        }
    }
}

void Form::dispatchKeyUp(int vk, int shift) { Form_KeyUp(vk, shift); }

void Form::dispatchText(const std::string& utf8) {
    if (focused_ && focused_->Visible && focused_->Enabled) focused_->textInput(utf8);
}

void Form::dispatchMouseDown(int button, int shift, double x, double y) {
    Control* c = controlAt(x, y);
    for (auto& other : controls_)
        if (other.get() != c) other->closeOverlay();
    if (buttons_ == 0) {
        captured_ = c;
        pressed_ = c;
    }
    buttons_ |= button;
    if (c && c->acceptsFocus()) focused_ = c;
    if (c && c->Enabled)
        c->mouseDown(button, shift, x - c->Left, y - c->Top);
    else if (!c)
        Form_MouseDown(button, shift, x, y);
}

void Form::dispatchMouseMove(int, int shift, double x, double y) {
    Control* c = buttons_ ? captured_ : controlAt(x, y);
    Runtime::get().setHovered(c);
    if (c && c->Enabled)
        c->mouseMove(buttons_, shift, x - c->Left, y - c->Top);
    else if (!c)
        Form_MouseMove(buttons_, shift, x, y);
}

void Form::dispatchMouseUp(int button, int shift, double x, double y) {
    Control* c = buttons_ ? captured_ : controlAt(x, y);
    Control* pressed = pressed_;
    buttons_ &= ~button;
    if (buttons_ == 0) captured_ = pressed_ = nullptr;
    if (c && c->Enabled) {
        c->mouseUp(button, shift, x - c->Left, y - c->Top);
        if (loaded_ && c == pressed && c->hitTest(x, y)) c->click();
    } else if (!c) {
        Form_MouseUp(button, shift, x, y);
        if (loaded_ && !pressed) Form_Click();
    }
}

void Form::requestClose() { unload(); }

void Form::draw(const DrawContext& dc) const {
    SDL_Surface* t = dc.target;
    int w = pixelWidth(), h = int(std::lround(Height / scale));
    int bar = titleBarHeight();
    if (bar > 0) {
        int top = dc.originY - bar;
        draw::fillRect(t, dc.originX, top, w, bar, 0xFF0A246A);
        if (PicturePtr p = renderText(titleFont(borderStyle), Caption, vbWhite))
            draw::pictureClipped(t, *p, dc.originX + kCaptionLeft, top + (bar - p->height()) / 2, dc.originX,
                                 top, w - bar, bar);
        if (ControlBox) {
            int s = bar - 6, bx = dc.originX + w - s - 3, by = top + 3;
            draw::bevel(t, bx, by, s, s, false);
            draw::line(t, bx + 4, by + 4, bx + s - 5, by + s - 5, 0xFF000000, 2);
            draw::line(t, bx + s - 5, by + 4, bx + 4, by + s - 5, 0xFF000000, 2);
        }
    }
    draw::fillRect(t, dc.originX, dc.originY, w, h, toArgb(BackColor));
    SDL_Rect old;
    SDL_GetClipRect(t, &old);
    SDL_Rect client{dc.originX, dc.originY, w, h}, clip;
    SDL_IntersectRect(&old, &client, &clip);
    SDL_SetClipRect(t, &clip);
    if (Picture) draw::picture(t, *Picture, dc.originX, dc.originY, Picture->width(), Picture->height());
    for (auto& c : controls_)
        if (c->Visible && !c->isTimer()) c->draw(dc);
    for (auto& c : controls_)
        if (c->Visible && !c->isTimer()) c->drawOverlay(dc);
    SDL_SetClipRect(t, &old);
}

}  // namespace platform
