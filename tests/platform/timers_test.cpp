#include <gtest/gtest.h>

#include "harness.h"
#include "test_forms.h"

using namespace platformtest;

namespace {

class Timers : public harness::HarnessTest {
protected:
    // A loaded form with timers a, b, c logging their ticks with the time.
    TestForm& form() {
        static TestForm f("timerForm");
        f.onBuild = [this](TestForm& t) {
            for (const char* name : {"a", "b", "c"}) {
                platform::Timer& timer = t.make<platform::Timer>(name);
                timer.onTimer = [this, name] { log.push_back(std::string(name) + "@" + std::to_string(h.now() - start)); };
            }
        };
        f.show();
        start = h.now();
        return f;
    }
    platform::Timer& timer(const char* name) { return static_cast<platform::Timer&>(harness::Harness::control("timerForm", name)); }
    std::vector<std::string> log;
    std::uint64_t start = 0;
};

TEST_F(Timers, ArmingRules) {
    form();
    platform::Timer& a = timer("a");
    a.setInterval(100);
    h.advance(150);
    EXPECT_TRUE(log.empty()) << "a disabled timer does not fire";
    a.setEnabled(true);  // armed at 150 + 100
    h.advance(50);
    a.setEnabled(true);  // already enabled: no re-arm
    h.advance(50);
    EXPECT_EQ(log, (std::vector<std::string>{"a@250"}));
    a.setInterval(40);  // re-arms an enabled timer from now (250)
    h.advance(39);
    EXPECT_EQ(log.size(), 1u);
    h.advance(1);
    EXPECT_EQ(log.back(), "a@290");
    a.setEnabled(false);
    a.setInterval(10);  // does not enable
    h.advance(100);
    EXPECT_EQ(log.size(), 2u);
    a.setEnabled(true);  // enabled again after a stop: armed afresh from now (390)
    platform::Runtime::get().clearDirty();
    h.advance(10);
    EXPECT_EQ(log.back(), "a@400");
    EXPECT_TRUE(platform::Runtime::get().dirty()) << "a tick asks for a redraw";
}

TEST_F(Timers, TiesFireInArmingOrderAndDisabledOnesDoNot) {
    form();
    platform::Timer &a = timer("a"), &b = timer("b"), &c = timer("c");
    for (platform::Timer* t : {&b, &a, &c}) t->setInterval(100);
    b.setEnabled(true);
    a.setEnabled(true);
    c.setEnabled(true);
    a.onTimer = [&] {
        log.push_back("a");
        c.setEnabled(false);  // c is due at the same instant: it must not fire
    };
    h.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"b@100", "a"}));
}

TEST_F(Timers, UnloadStopsTimersDueAtTheSameInstant) {
    TestForm& f = form();
    platform::Timer &a = timer("a"), &b = timer("b");
    a.setInterval(100);
    b.setInterval(100);
    a.setEnabled(true);
    b.setEnabled(true);
    a.onTimer = [&] { f.unload(); };
    h.advance(500);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(Timers, LateTicksDoNotPileUpAndHandlersDoNotReenter) {
    form();
    platform::Timer& a = timer("a");
    a.setInterval(100);
    int depth = 0, maxDepth = 0, ticks = 0;
    a.onTimer = [&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1) h.advance(1000);  // a nested loop inside the handler
        --depth;
    };
    a.setEnabled(true);
    h.advance(100);
    EXPECT_EQ(ticks, 1) << "no tick while its own handler runs";
    h.advance(1);
    EXPECT_EQ(ticks, 2) << "one late tick, not ten";
    h.advance(98);  // the late tick re-armed from when it fired (1100)
    EXPECT_EQ(ticks, 2);
    h.advance(1);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(maxDepth, 1);
}

}  // namespace
