#include "world/frmmap.h"

#include <vector>

#include "battle/encounter.h"
#include "battle/formations.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/chests.h"
#include "world/map_files.h"
#include "world/map_view.h"
#include "world/route.h"

namespace {

constexpr int kViewWidth = 720, kViewHeight = 540;  // 20 x 15 cells of 36 pixels
constexpr int kStepMs = 125;                         // one step at most every 125 ms
constexpr int kWakeX = 162, kWakeY = 14;             // where a new game's hero wakes

}  // namespace

frmMap::frmMap()
    : FormOf("frmMap"),
      areaScripts{[this] { map0Events(); }, [this] { map1Events(); }, [this] { map2Events(); },
                  [this] { map3Events(); }, [this] { map4Events(); }, [this] { map5Events(); },
                  [this] { map6Events(); }},
      startEncounter(Subs::startEncounter) {}

void frmMap::build() {
    Caption = "Thorncall II";
    borderStyle = platform::BorderStyle::FixedSingle;
    BackColor = platform::vbBlack;
    KeyPreview = true;
    scale = 1;
    Width = kViewWidth;
    Height = kViewHeight;

    picView = &Form::add<platform::PictureBox>("picView");
    picView->Move(0, 0, kViewWidth, kViewHeight);
    picView->BorderStyle = 0;
    picView->BackColor = platform::vbBlack;

    platform::Image& face = Form::add(add, 0);
    face.Move(4, 4, 48, 48);
    face.Stretch = true;
    face.BorderStyle = 1;

    platform::Label& status = Form::add(lblPot, 0);
    status.Move(56, 4, 660, 20);
    status.font = {"Arial", 10, true};
    status.ForeColor = Vars::textColor;
    status.BackColor = Vars::backColor;
    status.WordWrap = false;

    buildTalkBox();

    tmrMove = &Form::add<platform::Timer>("tmrMove");
    tmrMove->setInterval(kStepMs);
    tmrMove->onTimer = [this] { tmrMove_Timer(); };
}

void frmMap::Form_Load() {
    chained_ = nullptr;
    // A new game, straight after the opening scene: the hero wakes here.
    if (Vars::storyStage == 0) {
        Vars::posX = kWakeX;
        Vars::posY = kWakeY;
        Vars::storyStage = 1;
    }
    applyZone();
    redraw();
}

void frmMap::tmrMove_Timer() { tmrMove->setEnabled(false); }

void frmMap::redraw() {
    drawView();
    showStatus();
}

void frmMap::drawView() {
    std::vector<world::MapFigure> waiting;
    world::forEachWaitingMonster(Vars::curMap, world::progressNow(), [&](const world::Figure& f) {
        waiting.push_back({f.x, f.y, battle::fixedGroupPicture(f.group)});
    });
    world::drawMapView(*picView, world::mapSlice(Vars::curMap), Vars::posX, Vars::posY,
                       Vars::facing, world::isOutdoors(Vars::curMap), waiting);
}

// Name, HP and MP of the hero, name and HP of the ally.
void frmMap::showStatus() {
    platform::Label& status = lblPot[0];
    status.Caption = Vars::heroName + "   HP " + std::to_string(Vars::heroHP) + "/" +
                     std::to_string(Vars::heroMaxHP) + "   MP " + std::to_string(Vars::heroMP) +
                     "/" + std::to_string(Vars::heroMaxMP) + "        " + Vars::allyName +
                     "   HP " + std::to_string(Vars::allyHP) + "/" +
                     std::to_string(Vars::allyMaxHP);
    // The status-line setting hides both the line and the face.
    const bool shown = Vars::statusLine != 0;
    status.Visible = shown;
    const PictureArray& faces = frmTileset::get().img;
    platform::Image& face = add[0];
    // The hero's face, as the battle shows it: the line begins with her name.
    face.setPicture(faces.exists(world::kHeroFace) ? faces[world::kHeroFace] : nullptr);
    face.Visible = shown;
}
