// Closing the window: every form unloads front to back, each nested modal
// loop unwinds without running the code after its show, and the outer loop
// ends; SIGTERM does the same at the next turn of a loop.
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <string>
#include <vector>

#include "harness.h"
#include "platform/controls.h"
#include "platform/runtime.h"
#include "platform/video.h"
#include "test_forms.h"

using platformtest::TestForm;

namespace {

TestForm& form(int n) {
    static TestForm forms[] = {TestForm("quitOuter"), TestForm("quitMiddle"), TestForm("quitInner"),
                               TestForm("quitHidden")};
    return forms[n];
}

class Quit : public harness::HarnessTest {
protected:
    Quit() {
        for (int n = 0; n < 4; ++n) {
            TestForm& f = form(n);
            f.onBuild = nullptr;
            f.onLoad = nullptr;
            f.onKey = nullptr;
            f.onUnload = [this, n](TestForm&) { trace.push_back("unload " + std::to_string(n)); };
        }
    }
    ~Quit() override { ::signal(SIGTERM, SIG_DFL); }
    // Outer shows middle modally, middle shows inner; a key on inner runs `stop`.
    void nest(std::function<void()> stop) {
        form(0).onKey = [this](int) {
            form(1).showModal();
            trace.push_back("after middle");
        };
        form(1).onKey = [this](int) {
            form(2).showModal();
            trace.push_back("after inner");
        };
        form(2).onKey = [stop](int) { stop(); };
        form(0).show();
        // Loaded, never shown, with a timer running: the quit stops it too.
        form(3).onBuild = [this](TestForm& f) {
            platform::Timer& t = f.make<platform::Timer>("tmrLate");
            t.onTimer = [this] { trace.push_back("late tick"); };
            t.setInterval(60000);
            t.setEnabled(true);
        };
        form(3).load();
        h.key(0);
        h.key(0);
        h.key(0);
    }
    std::vector<std::string> trace;
};

TEST_F(Quit, ClosingTheWindowUnwindsEveryLoopWithoutTheCodeAfterIt) {
    nest([] { platform::Runtime::get().quit(); });
    platform::Runtime::get().run();
    EXPECT_EQ(trace, (std::vector<std::string>{"unload 2", "unload 1", "unload 0", "unload 3"}));
    for (int n = 0; n < 4; ++n) EXPECT_FALSE(form(n).isLoaded()) << n;
    EXPECT_TRUE(platform::Runtime::get().modalStack().empty());
    EXPECT_EQ(platform::Runtime::get().nextDue(), platform::kNoTimer);
}

TEST_F(Quit, SigtermQuitsAtTheNextTurnOfTheLoop) {
    platform::Runtime::installQuitSignals();
    nest([] { ::raise(SIGTERM); });
    platform::Runtime::get().run();
    EXPECT_EQ(trace, (std::vector<std::string>{"unload 2", "unload 1", "unload 0", "unload 3"}));
    EXPECT_TRUE(platform::Runtime::get().quitting());
}

TEST_F(Quit, AModalShowOrDoEventsOnceQuittingThrows) {
    platform::Runtime::get().quit();
    EXPECT_THROW(form(1).showModal(), platform::QuitRequested);
    EXPECT_FALSE(form(1).isLoaded());
    EXPECT_THROW(platform::DoEvents(), platform::QuitRequested);
}

TEST_F(Quit, ClosingTheLastScreenEndsTheLoopToo) {
    form(0).show();
    h.then([] { form(0).unload(); });
    platform::Runtime::get().run();
    EXPECT_FALSE(platform::Runtime::get().quitting());
    EXPECT_EQ(trace, (std::vector<std::string>{"unload 0"}));
}

// The window's close, taken from SDL's queue: seen before the next screen
// shows, and a quit even when SDL does not follow it with one of its own.
TEST_F(Quit, TheWindowsCloseIsSeenWhileQueuedAndQuitsWhenDispatched) {
    platform::Video video;
    ASSERT_TRUE(video.init("quit test"));
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&close);
    EXPECT_TRUE(video.closePending());
    form(1).show();
    EXPECT_FALSE(form(1).visible()) << "a screen showed while the close waited";
    platform::Runtime::get().reset();
    h.source.actions.clear();
    SDL_PushEvent(&close);
    video.poll();
    EXPECT_TRUE(platform::Runtime::get().quitting());
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, nullptr);
}

}  // namespace
