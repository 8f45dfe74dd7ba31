// The spell-point screen, driven by the mouse and the select key.
#include "party/frmnewspell.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "shell/vars.h"
#include "support/harness.h"

namespace {

platform::Label& label(const char* name, int index = -1) {
    return static_cast<platform::Label&>(harness::Harness::control("frmNewSpell", name, index));
}

class NewSpellTest : public harness::HarnessTest {
protected:
    void SetUp() override {
        Vars::soundOn = 1;
        Vars::keySelect = platform::vk::Return;
        Vars::heroSpells = {0, 3, 1};
    }
};

TEST_F(NewSpellTest, HoverPicksAndTheSelectKeyConfirms) {
    h.key(platform::vk::Return);  // nothing picked yet: ignored
    h.hover("frmNewSpell", "lbl3", 2);
    h.hover("frmNewSpell", "lbl3", 2);  // the same entry again: silent
    h.then([] {
        EXPECT_EQ(label("lbl3", 2).ForeColor, platform::vbWhite);
        EXPECT_EQ(label("lblNext").Caption, "Learn Heal");
    });
    h.hover("frmNewSpell", "lbl3", 0);
    h.then([] { EXPECT_EQ(label("lbl3", 2).ForeColor, platform::vbBlack); });
    h.key(platform::vk::Return);
    frmNewSpell::get().showModal();
    EXPECT_EQ(Vars::heroSpells, (std::array<Vars::u8, 3>{1, 3, 1}));
    EXPECT_EQ(h.audio.effects(), (std::vector<std::string>{"sound/snd17.snd", "sound/snd17.snd",
                                                           "sound/snd2.snd"}));
}

TEST_F(NewSpellTest, AFullGroupCannotBeChosen) {
    h.hover("frmNewSpell", "lbl3", 1);
    h.click("frmNewSpell", "lbl3", 1);
    h.then([] {
        EXPECT_EQ(label("lbl3", 1).ForeColor, 0x505050u);
        EXPECT_EQ(label("lblInfo").Caption, "You have mastered every Support spell.");
        const char* levels[] = {"0 / 3", "3 / 3", "1 / 3"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(label("lblLevel", i).Caption, levels[i]);
            EXPECT_EQ(label("lblLevel", i).ForeColor, i == 1 ? 0x505050u : platform::vbBlack);
        }
    });
    h.key(platform::vk::Return);  // the full group was never picked
    h.click("frmNewSpell", "lbl3", 2);
    frmNewSpell::get().showModal();
    EXPECT_EQ(Vars::heroSpells, (std::array<Vars::u8, 3>{0, 3, 2}));
    EXPECT_EQ(h.audio.effects(), std::vector<std::string>{"sound/snd2.snd"});
}

}  // namespace
