#include "platform/keys.h"
#include "shell/frmoptions.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace {

using Strings = std::vector<std::string>;
using Music = harness::GameTest;

TEST_F(Music, ATrackAlreadyOpenPlaysOnAndAnotherReplacesIt) {
    Subs::playMusic(5);
    Subs::playMusic(5);
    EXPECT_EQ(h.audio.music(), (Strings{"open:music/5.mid", "play"}));
    Subs::playMusic(7);
    EXPECT_EQ(h.audio.music(), (Strings{"open:music/5.mid", "play", "close", "open:music/7.mid", "play"}));
}

TEST_F(Music, AStoppedTrackCountsAsNotOpen) {
    Subs::playMusic(7);
    Subs::stopMusic();
    Subs::playMusic(7);
    EXPECT_EQ(h.audio.music(), (Strings{"open:music/7.mid", "play", "close", "open:music/7.mid", "play"}));
}

TEST_F(Music, MusicSwitchedOffPlaysNothing) {
    Vars::musicOn = 0;
    Subs::playMusic(3);
    EXPECT_TRUE(h.audio.music().empty());
}

TEST_F(Music, ATrackThatEndsIsPlayedAgainAlsoUnderAModalScreen) {
    Subs::playMusic(2);
    h.audio.clear();
    h.audio.endMusic();
    h.advance(500);
    EXPECT_EQ(h.audio.music(), (Strings{"close", "open:music/2.mid", "play"}));

    h.audio.clear();
    Strings heardWhileModal;
    h.then([&] { h.audio.endMusic(); });
    h.wait(600);
    h.then([&] { heardWhileModal = h.audio.music(); });
    h.key(platform::vk::Escape);
    frmOptions::get().showModal();
    EXPECT_EQ(heardWhileModal, (Strings{"close", "open:music/2.mid", "play"}));
}

using Sound = harness::GameTest;

TEST_F(Sound, TheTwoFoldSoundsDrawOneOfTwoFiles) {
    h.scriptDraws({{1, 2, 1}, {1, 2, 2}, {1, 2, 1}, {1, 2, 2}});
    Subs::playSnd1or21();
    Subs::playSnd1or21();
    Subs::playSnd19or22();
    Subs::playSnd19or22();
    EXPECT_EQ(h.audio.effects(),
              (Strings{"sound/snd1.snd", "sound/snd21.snd", "sound/snd19.snd", "sound/snd22.snd"}));
}

TEST_F(Sound, SoundSwitchedOffPlaysAndDrawsNothing) {
    Vars::soundOn = 0;
    h.scriptDraws({});
    Subs::playSnd2();
    Subs::playSnd1or21();
    Subs::playSnd19or22();
    EXPECT_TRUE(h.audio.effects().empty());
}

}  // namespace
