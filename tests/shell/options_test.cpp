#include "platform/keys.h"
#include "shell/frmoptions.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;
using Options = harness::GameTest;

// Line of config.ini for music, sound and auto battle.
constexpr int kMusicLine = 9, kSoundLine = 10, kAutoBattleLine = 12;

std::string configLine(const std::string& dir, int line) {
    return shelltest::splitLines(shelltest::readFile(dir + "config.ini")).at(line);
}

TEST_F(Options, EachSwitchIsSavedAtOnce) {
    struct Step {
        int entry, line;
        const char* caption;
        const char* value;
    };
    const Step steps[] = {
        {0, kMusicLine, "Music:  Off", "0"},
        {1, kSoundLine, "Sound:  Off", "0"},
        {2, kAutoBattleLine, "Auto Battle:  On", "1"},
        {1, kSoundLine, "Sound:  On", "1"},
    };
    for (const Step& s : steps) {
        h.click("frmOptions", "lbl3", s.entry);
        h.then([&, s] {
            EXPECT_EQ(shelltest::caption("frmOptions", "lbl3", s.entry), s.caption);
            EXPECT_EQ(configLine(h.appDir, s.line), s.value);
        });
    }
    h.key(vk::Escape);
    frmOptions::get().showModal();
    EXPECT_EQ(Vars::musicOn, 0);
    EXPECT_EQ(Vars::soundOn, 1);
    EXPECT_EQ(Vars::autoBattle, 1);
}

TEST_F(Options, LeavingStopsOrRestoresTheMusic) {
    Vars::musicTrack = 4;
    Subs::playMusic(4);
    h.audio.clear();
    h.click("frmOptions", "lbl3", 0);
    h.then([&] { EXPECT_TRUE(h.audio.music().empty()); });
    h.click("frmOptions", "lbl3", 3);
    frmOptions::get().showModal();
    EXPECT_EQ(h.audio.music(), Strings{"close"});

    h.audio.clear();
    h.click("frmOptions", "lbl3", 0);
    h.key(vk::Escape);
    frmOptions::get().showModal();
    EXPECT_EQ(h.audio.music(), (Strings{"open:music/4.mid", "play"}));
}

}  // namespace
