// The intro slideshow: what each tick shows, its music, and the way back to
// the title screen.
#include <set>

#include "cutscenes/frmintro.h"
#include "harness.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/frmtitle.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace cutscenes::test {
namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;

// Distinct little pictures for what the slideshow takes from the store.
void fillStore() {
    frmTileset& s = frmTileset::get();
    std::uint32_t colour = 0xFF100001;
    s.imgEnemy.put(25, platform::MakePicture(2, 2, colour++));
    s.img.put(13, platform::MakePicture(2, 2, colour++));
    for (int b = 0; b < 3; ++b) s.battle.put(b, platform::MakePicture(2, 2, colour++));
    for (int i = 0; i < 4; ++i) s.intro.put(i, platform::MakePicture(2, 2, colour++));
}

class Intro : public harness::GameTest {
protected:
    Intro() {
        fillStore();
        Vars::musicOn = 1;
        Vars::musicTrack = 2;
    }
    static frmIntro& intro() { return frmIntro::get(); }
    static std::set<int> visibleFigures() {
        std::set<int> shown;
        for (auto& [i, image] : intro().Image3)
            if (image->Visible) shown.insert(i);
        return shown;
    }
    static int backdrop() {
        for (int b = 0; b < 3; ++b)
            if (intro().Image2->picture() == frmTileset::get().battle[b]) return b;
        return -1;
    }
    Strings opened() const {
        Strings tracks;
        for (const std::string& m : h.audio.music())
            if (m.starts_with("open:")) tracks.push_back(m.substr(5));
        return tracks;
    }
};

std::set<int> range(int first, int last) {
    std::set<int> s;
    for (int i = first; i <= last; ++i) s.insert(i);
    return s;
}

TEST_F(Intro, LoadingSetsTheFirstSlide) {
    intro().show();
    EXPECT_EQ(intro().currentStep(), 0);
    EXPECT_EQ(visibleFigures(), (std::set<int>{0}));
    const frmTileset& s = frmTileset::get();
    EXPECT_EQ(intro().Image3[0].picture(), s.imgEnemy[25]);
    for (int i : range(1, 5)) EXPECT_EQ(intro().Image3[i].picture(), s.intro[0]) << i;
    EXPECT_EQ(intro().Image3[6].picture(), s.intro[1]);
    for (int i : range(11, 15)) EXPECT_EQ(intro().Image3[i].picture(), s.intro[2]) << i;
    for (int i : range(16, 22)) EXPECT_EQ(intro().Image3[i].picture(), s.intro[3]) << i;
    EXPECT_EQ(intro().Image1->picture(), s.img[13]);
    EXPECT_EQ(backdrop(), 1);
    EXPECT_EQ(intro().Label2->Caption, "One thousand years ago...");
    EXPECT_EQ(Vars::musicTrack, 22);
    EXPECT_EQ(opened(), Strings{"music/22.mid"});
    intro().unload();
}

TEST_F(Intro, EachTickShowsItsFiguresBackdropAndANewLine) {
    struct Slide {
        int tick;
        std::set<int> figures;
        int backdrop;
    };
    const std::set<int> armies = range(11, 22);
    const Slide slides[] = {
        {1, {0}, 1},           {2, {0, 1}, 1},           {3, {0, 1}, 1},
        {4, armies, 1},        {7, armies, 1},           {8, range(1, 5), 0},
        {13, range(1, 5), 0},  {14, {1, 6}, 2},          {18, {1, 6}, 2},
        {19, {0, 1, 6}, 2},    {30, {0, 1, 6}, 2},
    };
    intro().show();
    std::set<std::string> lines{intro().Label2->Caption};
    std::string previous = intro().Label2->Caption;
    int tick = 0;
    for (const Slide& s : slides) {
        SCOPED_TRACE(s.tick);
        for (; tick < s.tick; ++tick) {
            h.advance(7000);
            EXPECT_NE(intro().Label2->Caption, previous);
            previous = intro().Label2->Caption;
            lines.insert(previous);
        }
        EXPECT_EQ(intro().currentStep(), s.tick);
        EXPECT_EQ(visibleFigures(), s.figures);
        EXPECT_EQ(backdrop(), s.backdrop);
    }
    EXPECT_EQ(lines.size(), 31u);
    EXPECT_EQ(opened(), Strings{"music/22.mid"});
    EXPECT_EQ(Vars::musicTrack, 22);
    h.advance(6999);
    EXPECT_TRUE(intro().isLoaded());
    h.advance(1);
    EXPECT_FALSE(intro().isLoaded());
    EXPECT_EQ(h.now(), 1000u + 217000u);
    EXPECT_EQ(Vars::musicTrack, 2);
    EXPECT_EQ(opened(), (Strings{"music/22.mid", "music/2.mid"}));
}

TEST_F(Intro, AnyKeyAtAnyTimeEndsItWithTheTitleMusic) {
    for (int ticks : {0, 1, 15, 30}) {
        for (int key : {int(vk::Space), int(vk::Escape), int('Q')}) {
            SCOPED_TRACE(testing::Message() << ticks << " ticks, key " << key);
            h.audio.clear();
            intro().show();
            h.advance(std::uint64_t(ticks) * 7000);
            h.keyNow(key);
            EXPECT_FALSE(intro().isLoaded());
            EXPECT_EQ(Vars::musicTrack, 2);
            EXPECT_EQ(opened(), (Strings{"music/22.mid", "music/2.mid"}));
        }
    }
}

class PlayIntro : public Intro {
protected:
    PlayIntro() { frmTitle::get().show(); }
    platform::Label& entry(int i) {
        return static_cast<platform::Label&>(h.control("frmTitle", "Label3", i));
    }
};

TEST_F(PlayIntro, ShowsTheIntroModallyAndReturnsToAWorkingTitle) {
    bool introInFront = false;
    h.onShow("frmIntro", [&](platform::Form& f) { introInFront = f.isModal(); });
    h.wait(3 * 7000);
    h.then([&] { EXPECT_EQ(intro().currentStep(), 3); });
    h.key(vk::Space);
    h.clickNow(entry(3));
    EXPECT_TRUE(introInFront);
    EXPECT_FALSE(intro().isLoaded());
    EXPECT_EQ(h.pendingActions(), 0u);
    EXPECT_TRUE(frmTitle::get().visible());
    EXPECT_EQ(Vars::musicTrack, 2);
    // The menu answers again: down from Play Intro is Options.
    h.keyNow(Vars::keyDown);
    EXPECT_EQ(entry(4).ForeColor, platform::VbColor(0x0000FF));
    EXPECT_EQ(entry(3).ForeColor, platform::vbWhite);
}

}  // namespace
}  // namespace cutscenes::test
