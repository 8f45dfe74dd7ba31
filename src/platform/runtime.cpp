#include "platform/runtime.h"

#include <SDL.h>

#include <signal.h>

#include <algorithm>
#include <csignal>

#include "platform/audio.h"
#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/error.h"
#include "platform/form.h"
#include "platform/keys.h"

namespace platform {
namespace {

RealClock& realClock() {
    static RealClock c;
    return c;
}

SilentAudio& silence() {
    static SilentAudio a;
    return a;
}

volatile std::sig_atomic_t quitSignal = 0;

extern "C" void onQuitSignal(int) { quitSignal = 1; }

template <class T>
void erase(std::vector<T*>& v, T* p) {
    v.erase(std::remove(v.begin(), v.end(), p), v.end());
}

}  // namespace

Runtime& Runtime::get() {
    static Runtime* rt = new Runtime();  // lives as long as the program
    return *rt;
}

Runtime::Runtime() : clock_(&realClock()), audio_(&silence()) {}

void Runtime::setClock(Clock* clock) { clock_ = clock ? clock : &realClock(); }

void Runtime::setAudio(Audio* audio) { audio_ = audio ? audio : &silence(); }

// ---- timers ----

void Runtime::timerArmed(Timer& t) { timers_.push_back(&t); }

void Runtime::timerGone(Timer& t) { erase(timers_, &t); }

std::uint64_t Runtime::nextDue() const {
    std::uint64_t best = kNoTimer;
    for (const Timer* t : timers_)
        if (!t->running()) best = std::min(best, t->due());
    return best;
}

bool Runtime::fireDueTimer() {
    Timer* first = nullptr;
    std::uint64_t now = clock_->now();
    for (Timer* t : timers_) {
        if (t->running() || t->due() > now) continue;
        if (!first || t->due() < first->due() ||
            (t->due() == first->due() && t->armSequence() < first->armSequence()))
            first = t;
    }
    if (!first) return false;
    first->fire();
    dirty_ = true;
    return true;
}

// ---- loops ----

void Runtime::installQuitSignals() {
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool Runtime::quitAsked() {
    if (quitSignal) {
        quitSignal = 0;
        if (!quitting_) quit();
    }
    if (!quitting_ && source_ && source_->closePending()) quit();
    return quitting_;
}

void Runtime::checkQuit() {
    if (quitAsked()) throw QuitRequested{};
}

void Runtime::loopOnce(const std::function<bool()>& done) {
    if (quitSignal) {
        quitSignal = 0;
        if (!quitting_) quit();
    }
    while (!done() && fireDueTimer()) {
    }
    if (done()) return;
    if (!source_) throw Error("No event source: nothing can end this loop");
    source_->wait(nextDue());
}

void Runtime::runModal(Form& form) {
    auto done = [&] { return !form.isLoaded() || quitting_; };
    while (!done()) loopOnce(done);
    erase(modalStack_, &form);
}

void Runtime::run() {
    auto done = [&] {
        return quitting_ || std::none_of(zOrder_.begin(), zOrder_.end(),
                                         [](Form* f) { return f->visible(); });
    };
    try {
        while (!done()) loopOnce(done);
    } catch (const QuitRequested&) {
    }
}

void Runtime::doEvents() {
    checkQuit();
    if (source_) source_->poll();
    while (fireDueTimer()) {
    }
    checkQuit();
}

void Runtime::advance(std::uint64_t ms) {
    auto* v = dynamic_cast<VirtualClock*>(clock_);
    if (!v) throw Error("advance() needs the virtual clock");
    std::uint64_t target = v->now() + ms;
    for (;;) {
        std::uint64_t due = nextDue();
        if (due > target) break;
        if (due > v->now()) v->set(due);
        if (!fireDueTimer()) break;
    }
    v->set(std::max(target, v->now()));
}

void Runtime::quit() {
    quitting_ = true;
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); it = zOrder_.rbegin()) {
        Form* f = *it;
        f->unload();
        erase(zOrder_, f);
    }
    // Loaded forms that were never shown, or were hidden, go too: their
    // timers must not fire on the way out. So does a form that an unload
    // handler loads again (the music of a scene's after-effects).
    bool again = true;
    for (std::size_t pass = 0; again && pass <= allForms_.size(); ++pass) {
        again = false;
        for (Form* f : allForms_) {
            if (!f->isLoaded()) continue;
            f->unload();
            again = true;
        }
    }
}

// ---- forms ----

Form* Runtime::findForm(const std::string& name) const {
    for (Form* f : allForms_)
        if (f->name() == name) return f;
    return nullptr;
}

void Runtime::formShown(Form& f) {
    erase(zOrder_, &f);
    zOrder_.push_back(&f);
    if (f.isModal() && std::find(modalStack_.begin(), modalStack_.end(), &f) == modalStack_.end())
        modalStack_.push_back(&f);
    dirty_ = true;
    if (showHook_) showHook_(f);
}

void Runtime::formHidden(Form& f) {
    erase(zOrder_, &f);
    dirty_ = true;
}

void Runtime::formUnloaded(Form& f) {
    erase(zOrder_, &f);
    erase(modalStack_, &f);
    if (mouseForm_ == &f) mouseForm_ = nullptr;
    dirty_ = true;
}

void Runtime::formControlGone(Control& c) {
    if (hovered_ == &c) hovered_ = nullptr;
}

void Runtime::setHovered(Control* c) {
    if (c == hovered_) return;
    hovered_ = c;
    hoverSince_ = clock_->now();
    tooltipDrawn_ = false;
}

bool Runtime::tooltipDue() const {
    return hovered_ && !tooltipDrawn_ && !hovered_->ToolTipText.empty() &&
           clock_->now() >= hoverSince_ + 600;
}

Form* Runtime::inputForm() const {
    if (!modalStack_.empty()) return modalStack_.back();
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
        if ((*it)->visible()) return *it;
    return nullptr;
}

// ---- input ----

void Runtime::keyDown(int vk, int shift) {
    if (Form* f = inputForm()) f->dispatchKeyDown(vk, shift);
    dirty_ = true;
}

void Runtime::keyUp(int vk, int shift) {
    if (Form* f = inputForm()) f->dispatchKeyUp(vk, shift);
    dirty_ = true;
}

void Runtime::textInput(const std::string& utf8) {
    if (Form* f = inputForm()) f->dispatchText(utf8);
    dirty_ = true;
}

void Runtime::clientOrigin(const Form& f, int& x, int& y) const {
    x = (logicalWidth() - f.pixelWidth()) / 2;
    y = (logicalHeight() - f.pixelHeight()) / 2 + f.titleBarHeight();
}

namespace {

struct FormPoint {
    Form* form = nullptr;
    double x = 0, y = 0;
    bool closeBox = false;
};

}  // namespace

static FormPoint locate(const Runtime& rt, Form* only, int x, int y) {
    auto test = [&](Form* f) -> FormPoint {
        int ox, oy;
        rt.clientOrigin(*f, ox, oy);
        int bar = f->titleBarHeight();
        if (x < ox || x >= ox + f->pixelWidth() || y < oy - bar || y >= oy - bar + f->pixelHeight())
            return {};
        FormPoint p{f, (x - ox) * f->scale, (y - oy) * f->scale, false};
        if (y < oy) {
            p.closeBox = f->ControlBox && x >= ox + f->pixelWidth() - bar;
            p.form = p.closeBox ? f : nullptr;
        }
        return p;
    };
    if (only) return test(only);
    const auto& z = rt.zOrder();
    for (auto it = z.rbegin(); it != z.rend(); ++it)
        if ((*it)->visible())
            if (FormPoint p = test(*it); p.form) return p;
    return {};
}

void Runtime::mouseDown(int button, int shift, int x, int y) {
    Form* only = modalStack_.empty() ? nullptr : modalStack_.back();
    FormPoint p = locate(*this, only, x, y);
    mouseForm_ = p.form;
    if (p.form && !p.closeBox) p.form->dispatchMouseDown(button, shift, p.x, p.y);
    dirty_ = true;
}

void Runtime::mouseMove(int buttons, int shift, int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
    Form* only = modalStack_.empty() ? nullptr : modalStack_.back();
    if (buttons && mouseForm_) only = mouseForm_;
    FormPoint p = locate(*this, only, x, y);
    if (buttons && mouseForm_ && !p.form) {
        // Captured: the form keeps getting the mouse outside its box.
        int ox, oy;
        clientOrigin(*mouseForm_, ox, oy);
        p = {mouseForm_, (x - ox) * mouseForm_->scale, (y - oy) * mouseForm_->scale, false};
    }
    if (p.form && !p.closeBox) p.form->dispatchMouseMove(buttons, shift, p.x, p.y);
    dirty_ = true;
}

void Runtime::mouseUp(int button, int shift, int x, int y) {
    Form* target = mouseForm_;
    mouseForm_ = nullptr;
    if (!target) return;
    FormPoint p = locate(*this, target, x, y);
    if (p.closeBox) {
        target->requestClose();
    } else {
        int ox, oy;
        clientOrigin(*target, ox, oy);
        target->dispatchMouseUp(button, shift, (x - ox) * target->scale, (y - oy) * target->scale);
    }
    dirty_ = true;
}

void Runtime::click(Control& c) {
    // As with the real mouse, a hidden or disabled control takes no click.
    if (!c.Visible || !c.Enabled || !c.form().visible()) return;
    double x = c.Width / 2, y = c.Height / 2;
    c.mouseDown(LeftButton, 0, x, y);
    if (c.form().isLoaded()) c.mouseUp(LeftButton, 0, x, y);
    if (c.form().isLoaded()) c.click();
    dirty_ = true;
}

void Runtime::hover(Control& c) {
    if (!c.Visible || !c.Enabled || !c.form().visible()) return;
    c.mouseMove(0, 0, c.Width / 2, c.Height / 2);
    dirty_ = true;
}

// ---- drawing ----

int Runtime::logicalWidth() const {
    int w = 800;
    for (Form* f : zOrder_)
        if (f->visible()) w = std::max(w, f->pixelWidth());
    return w;
}

int Runtime::logicalHeight() const {
    int h = 600;
    for (Form* f : zOrder_)
        if (f->visible()) h = std::max(h, f->pixelHeight());
    return h;
}

void Runtime::compose(SDL_Surface* frame) const {
    SDL_FillRect(frame, nullptr, 0xFF000000);
    for (Form* f : zOrder_) {
        if (!f->visible()) continue;
        DrawContext dc{frame, 0, 0, f->scale};
        clientOrigin(*f, dc.originX, dc.originY);
        f->draw(dc);
    }
    // The tooltip of a control the mouse has rested on.
    if (hovered_ && !hovered_->ToolTipText.empty() && hovered_->form().visible() &&
        clock_->now() >= hoverSince_ + 600) {
        tooltipDrawn_ = true;
        Font font;
        if (PicturePtr text = renderText(font, hovered_->ToolTipText, vbBlack)) {
            int x = std::min(mouseX_ + 4, frame->w - text->width() - 8);
            int y = std::min(mouseY_ + 20, frame->h - text->height() - 6);
            draw::fillRect(frame, x, y, text->width() + 8, text->height() + 4, 0xFFFFFFE1);
            draw::frameRect(frame, x, y, text->width() + 8, text->height() + 4, 0xFF000000);
            draw::picture(frame, *text, x + 4, y + 2, text->width(), text->height());
        }
    }
}

PicturePtr Runtime::snapshot() const {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, logicalWidth(), logicalHeight(), 32,
                                                    SDL_PIXELFORMAT_ARGB8888);
    compose(s);
    return std::make_shared<Picture>(s);
}

void Runtime::setBusy(bool busy) {
    busy_ = busy;
    if (busyHook) busyHook(busy);
}

void Runtime::reset() {
    quitting_ = false;
    quitSignal = 0;
    while (!zOrder_.empty()) {
        Form* f = zOrder_.back();
        f->unload();
        erase(zOrder_, f);
    }
    for (Form* f : allForms_) f->unload();
    timers_.clear();
    modalStack_.clear();
    showHook_ = nullptr;
    source_ = nullptr;
    mouseForm_ = nullptr;
    hovered_ = nullptr;
    busy_ = false;
    busyHook = nullptr;
    clock_ = &realClock();
    audio_ = &silence();
    quitting_ = false;
}

}  // namespace platform
