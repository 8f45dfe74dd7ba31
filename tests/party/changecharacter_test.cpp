// The change of ally, worked with the configured keys and the mouse.
#include "party/companions.h"
#include "party/frmchangecharacter.h"
#include "party/party.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "shell/vars.h"
#include "support/harness.h"

namespace {

platform::Label& entry(int i) {
    return static_cast<platform::Label&>(
        harness::Harness::control("frmChangeCharacter", "lbl3", i));
}

class ChangeCharacterTest : public harness::HarnessTest {
protected:
    void SetUp() override {
        Vars::soundOn = 1;
        Vars::keyUp = platform::vk::Up;
        Vars::keyDown = platform::vk::Down;
        Vars::keySelect = platform::vk::Return;
        Vars::heroLevel = 30;
        Vars::allyId = party::kJack;
        Vars::allyHP = 10;
        Subs::setAlly(party::kJack);
    }
};

TEST_F(ChangeCharacterTest, KeysWrapSilentlyHoverSoundsAndTheSelectKeyChooses) {
    Vars::storyStage = 896;  // Jack, Sonia, Ryu, Chi, Bree, Myst, Darwin
    h.then([] {
        EXPECT_EQ(entry(0).Caption, "Jack");
        EXPECT_EQ(entry(0).ForeColor, platform::vbWhite);  // the present ally
        EXPECT_EQ(entry(6).Caption, "Darwin");
    });
    h.key(platform::vk::Escape);  // no Esc on this screen
    h.key(platform::vk::Up);      // wraps to the last entry
    h.then([] { EXPECT_EQ(entry(6).ForeColor, platform::vbWhite); });
    h.key(platform::vk::Down);  // and back round to the first
    h.key(platform::vk::Down);
    h.then([] {
        EXPECT_EQ(entry(1).ForeColor, platform::vbWhite);
        EXPECT_EQ(entry(0).ForeColor, platform::vbBlack);
    });
    h.hover("frmChangeCharacter", "lbl3", 3);
    h.key(platform::vk::Return);
    frmChangeCharacter::get().showModal();
    EXPECT_EQ(Vars::allyId, party::kChi);
    EXPECT_EQ(Vars::allyName, "Chi");
    EXPECT_EQ(Vars::allyHP, 10);  // a wounded ally stays wounded
    EXPECT_EQ(h.audio.effects(),
              (std::vector<std::string>{"sound/snd17.snd", "sound/snd2.snd"}));
}

TEST_F(ChangeCharacterTest, AClickChoosesAmongThoseWhoHaveJoined) {
    Vars::storyStage = 200;
    h.then([] {
        EXPECT_EQ(frmChangeCharacter::get().controls().size(), 4u);  // title, 2 entries, face
    });
    h.click("frmChangeCharacter", "lbl3", 1);
    frmChangeCharacter::get().showModal();
    EXPECT_EQ(Vars::allyId, party::kSonia);
    EXPECT_EQ(Vars::allyName, "Sonia");
}

}  // namespace
