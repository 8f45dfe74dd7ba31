#include "platform/controls.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace platform {

Timer::Timer(Form& owner, std::string name, int index) : Control(owner, std::move(name), index) {
    Visible = false;
}

Timer::~Timer() { disarm(); }

void Timer::arm() {
    Runtime& rt = Runtime::get();
    if (interval_ <= 0 || !form().isLoaded()) {
        disarm();
        return;
    }
    due_ = rt.now() + std::uint64_t(interval_);
    armSeq_ = rt.nextArmSequence();
    if (!armed_) {
        armed_ = true;
        rt.timerArmed(*this);
    }
}

void Timer::disarm() {
    if (!armed_) return;
    armed_ = false;
    Runtime::get().timerGone(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on)
        arm();
    else
        disarm();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) arm();
}

void Timer::fire() {
    // The next tick counts from now, so late ticks never pile up.
    arm();
    if (running_) return;
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    if (onTimer) onTimer();
}

}  // namespace platform
