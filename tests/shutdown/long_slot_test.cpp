// A save.ini whose slot line holds a hundred thousand characters with no
// blank: the save screen opens and draws it, the highlight moves onto and
// off it, and a quit signal still ends the game at once.
#include <signal.h>

#include <fstream>
#include <string>

#include "platform/controls.h"
#include "platform/runtime.h"
#include "shell/startup.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace {

class LongSlotLine : public harness::GameTest {
protected:
    ~LongSlotLine() override { ::signal(SIGTERM, SIG_DFL); }
};

TEST_F(LongSlotLine, TheSaveScreenOpensAndASignalEndsTheGameAtOnce) {
    h.linkAssets();
    const std::string line(100000, 'W');
    {
        std::ofstream ini(h.appDir + "save.ini", std::ios::binary);
        ini << "[SAVE DATA]\r\n" << line << "\r\n";
        for (int slot = 1; slot < 10; ++slot) ini << "Empty\r\n";
    }
    platform::Runtime& rt = platform::Runtime::get();
    std::string shown;
    std::uint64_t signalledAt = 0;
    bool opened = false;
    h.onShow("frmTitle", [&](platform::Form&) {
        if (opened) return;
        opened = true;
        h.then([&] { h.clickNow(h.control("frmTitle", "Label3", 1)); });  // Resume Game
    });
    h.onShow("frmGame", [&](platform::Form&) {
        h.then([&] {
            shown = static_cast<platform::Label&>(h.control("frmGame", "lbl3", 0)).Caption;
            h.snapshot("long_slot_line");
        });
        // Off the long slot and back onto it, drawn each time.
        for (int vk : {Vars::keyDown, Vars::keyUp}) {
            h.key(vk);
            h.then([&] { h.snapshot("long_slot_line"); });
        }
        h.then([&] {
            signalledAt = h.now();
            ::raise(SIGTERM);
        });
    });

    EXPECT_EQ(shell::runProgram(), 0);
    EXPECT_EQ(shown, "0.  " + line) << "the caption keeps the whole line";
    EXPECT_GT(signalledAt, 0u) << "the save screen was never reached";
    EXPECT_EQ(h.now(), signalledAt);
    EXPECT_TRUE(rt.zOrder().empty());
}

}  // namespace
