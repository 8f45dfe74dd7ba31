#pragma once
// A cutscene test: the harness, a picture store of small distinct pictures,
// and the game state a new game would have.
#include <cstdint>

#include "cutscenes/frmcutscene.h"
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"
#include "harness.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace cutscenes::test {

class CutsceneTest : public harness::HarnessTest {
protected:
    void SetUp() override {
        fillPictureStore();
        Vars::storyStage = 0;
        Vars::difficulty = 0;
        Vars::musicOn = 0;  // the music form's own timer stays out of the tick counts
        Vars::soundOn = 1;
        Vars::musicTrack = 2;
        Vars::heroName = "Nina";
        Vars::posX = 11;
        Vars::posY = 20;
        Vars::curMap = 0;
        Vars::heroHP = 10, Vars::heroMaxHP = 25;
        Vars::heroMP = 3, Vars::heroMaxMP = 14;
        Vars::allyId = 18, Vars::allyHP = 5, Vars::allyMaxHP = 20;
    }

    static frmCutscene& screen() { return frmCutscene::get(); }
    static frmTileset& store() { return frmTileset::get(); }

    // Shows the scene of `stage` modeless; the tests drive time and keys.
    void start(std::int16_t stage) {
        Vars::storyStage = stage;
        screen().show();
    }
    // Lets the ticks run, one at a time, until the counter reaches k or the screen closes.
    void tickTo(int k) {
        while (screen().isLoaded() && screen().currentStep() < k) h.advance(7000);
    }
    void pressKey() { h.keyNow(platform::vk::Space); }

    static const platform::PicturePtr& faceShown() { return screen().Image1->picture(); }
    static const platform::PicturePtr& figure(int slot) { return screen().pic[slot].picture(); }

private:
    static void fillPictureStore() {
        // Distinct colours, so a test can tell which picture a control shows.
        std::uint32_t colour = 0xFF000001;
        frmTileset& s = store();
        for (int f : kFaces) s.img.put(f, platform::MakePicture(2, 2, colour++));
        for (int b = 0; b < kBackdrops; ++b) s.battle.put(b, platform::MakePicture(2, 2, colour++));
        for (int p = 0; p < kSpritePictures; ++p) s.pic.put(p, platform::MakePicture(2, 2, colour++));
    }
};

}  // namespace cutscenes::test
