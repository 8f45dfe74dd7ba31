#pragma once
// The message loop: one thread, every handler run to its end. Timers of every
// loaded form fire in every loop; input goes to the topmost modal form (or the
// front form when none is modal).
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/picture.h"

struct SDL_Surface;

namespace platform {

class Form;
class Control;
class Timer;
class Audio;

constexpr std::uint64_t kNoTimer = std::numeric_limits<std::uint64_t>::max();

// Thrown by a modal show, and by DoEvents, once the program is quitting, so
// every nested loop unwinds without running the code after it. run() and
// main() catch it; it is no Error, so handlers of failed files let it pass.
struct QuitRequested {};

// Where input and the passing of time come from: SDL in the game, a script in tests.
class EventSource {
public:
    virtual ~EventSource() = default;
    // A loop has nothing to do until `nextDue` (kNoTimer: no timer armed).
    // Dispatch input or let time pass; return to let the loop look again.
    virtual void wait(std::uint64_t nextDue) = 0;
    // DoEvents: dispatch pending input without waiting.
    virtual void poll() {}
    // Whether a close of the window waits to be dispatched; it stays queued.
    virtual bool closePending() { return false; }
};

class Runtime {
public:
    static Runtime& get();

    Clock& clock() const { return *clock_; }
    std::uint64_t now() const { return clock_->now(); }
    void setClock(Clock* clock);
    void setEventSource(EventSource* source) { source_ = source; }
    Audio& audio() const { return *audio_; }
    void setAudio(Audio* audio);

    // Loops.
    void runModal(Form& form);  // until the form unloads
    void run();                 // until no form is loaded or quit()
    void doEvents();
    // Virtual time: fire every timer due up to now + ms, in order, then stop there.
    void advance(std::uint64_t ms);
    // Closing the window: unloads every form, front to back, and ends every loop.
    void quit();
    bool quitting() const { return quitting_; }
    // SIGTERM and SIGINT close the window at the next turn of a loop, or
    // before the next screen loads or shows, whichever comes first.
    static void installQuitSignals();
    // Quits now if such a signal came or a close of the window waits;
    // whether the program is quitting.
    bool quitAsked();
    // The same, then throws QuitRequested when quitting.
    void checkQuit();

    // Timers.
    void timerArmed(Timer& t);
    void timerGone(Timer& t);
    std::uint64_t nextDue() const;
    bool fireDueTimer();  // fires the first due timer; false when none is due
    std::uint64_t nextArmSequence() { return ++armSeq_; }

    // Forms (called by Form).
    void formCreated(Form& f) { allForms_.push_back(&f); }
    Form* findForm(const std::string& name) const;
    void formShown(Form& f);
    void formHidden(Form& f);
    void formUnloaded(Form& f);
    void formControlGone(Control& c);
    const std::vector<Form*>& zOrder() const { return zOrder_; }  // back to front
    Form* inputForm() const;  // the form that receives keys and clicks
    std::vector<Form*> modalStack() const { return modalStack_; }

    // Input, in window pixels for the mouse.
    void keyDown(int vk, int shift);
    void keyUp(int vk, int shift);
    void textInput(const std::string& utf8);
    void mouseDown(int button, int shift, int x, int y);
    void mouseMove(int buttons, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);
    // Straight to a control, as a test or a dialog answer does.
    void click(Control& c);
    void hover(Control& c);

    // The control under the mouse, for tooltips.
    void setHovered(Control* c);
    bool tooltipDue() const;  // a tooltip should appear and has not been drawn yet

    // Hooks, for tests: run when a form is shown.
    void setShowHook(std::function<void(Form&)> hook) { showHook_ = std::move(hook); }

    // Drawing. The logical window size follows the largest form shown.
    void invalidate() { dirty_ = true; }
    bool dirty() const { return dirty_; }
    void clearDirty() { dirty_ = false; }
    int logicalWidth() const;
    int logicalHeight() const;
    void compose(SDL_Surface* frame) const;  // every visible form, bottom to top
    PicturePtr snapshot() const;
    // Window pixel position of a form's client area.
    void clientOrigin(const Form& f, int& x, int& y) const;

    // The busy (hourglass) pointer.
    void setBusy(bool busy);
    bool busy() const { return busy_; }
    std::function<void(bool)> busyHook;

    // Tests: unload every form, forget timers and hooks.
    void reset();

private:
    Runtime();
    void loopOnce(const std::function<bool()>& done);

    Clock* clock_;
    EventSource* source_ = nullptr;
    Audio* audio_;
    std::vector<Timer*> timers_;
    std::vector<Form*> allForms_;
    std::vector<Form*> zOrder_;
    std::vector<Form*> modalStack_;
    std::function<void(Form&)> showHook_;
    std::uint64_t armSeq_ = 0;
    bool quitting_ = false;
    bool dirty_ = true;
    bool busy_ = false;
    Form* mouseForm_ = nullptr;  // the form that got the last mouse-down
    Control* hovered_ = nullptr;
    std::uint64_t hoverSince_ = 0;
    int mouseX_ = 0, mouseY_ = 0;
    mutable bool tooltipDrawn_ = false;
};

// The runtime's DoEvents.
inline void DoEvents() { Runtime::get().doEvents(); }

}  // namespace platform
