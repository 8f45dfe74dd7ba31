// The map maker's controls, as designed: the page on the left under a line
// of coordinates, the map name, chest counts and selected tile on the right,
// the toolbar along the bottom.
#include <string>

#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "shell/frmtileset.h"
#include "world/map_names.h"

namespace {

constexpr platform::VbColor kRed = 0x0000FF;
constexpr double kRight = 10860, kRightWidth = 1080, kLine = 240;

platform::Label& text(platform::Label& l, double left, double top, double width, double height,
                      const std::string& caption, bool bold = false) {
    l.Move(left, top, width, height);
    l.Transparent = true;
    l.font.bold = bold;
    l.Caption = caption;
    return l;
}

}  // namespace

void frmMain::build() {
    Caption = "The Thorncall II Map Maker";
    borderStyle = platform::BorderStyle::None;
    ControlBox = false;
    KeyPreview = true;
    BackColor = platform::vbWhite;
    scale = 15;
    Width = 12000;
    Height = 9000;

    Main = &add<platform::PictureBox>("Main");
    Main->Move(0, 240, 10800, 8100);
    Main->BackColor = platform::vbBlack;
    Main->BorderStyle = 0;
    Main->ToolTipText = "The map!";
    Main->onMouseDown = [this](int b, int s, double x, double y) {
        guarded([&] { Main_MouseDown(b, s, x, y); });
    };
    Main->onMouseMove = [this](int b, int s, double x, double y) {
        guarded([&] { Main_MouseMove(b, s, x, y); });
    };

    // The top line: world cell, page and cell on the page.
    lblYView = &text(add<platform::Label>("lblYView"), 60, 15, 1080, 225, "Coordinates:", true);
    text(add(lblAxis, 0), 1140, 15, 1800, 225, "");
    Label1 = &text(add<platform::Label>("Label1"), 3120, 15, 540, 225, "Page:", true);
    text(add(lblAxis, 1), 3660, 15, 1200, 225, "");
    Label2 = &text(add<platform::Label>("Label2"), 5040, 15, 720, 225, "Current:", true);
    text(add(lblAxis, 2), 5760, 15, 1500, 225, "");

    platform::CommandButton& quit = add(Command1, 0);
    quit.Move(11160, 120, 375, 375);
    quit.Caption = "X";
    quit.font.bold = true;
    quit.onClick = [this] { guarded([this] { Command1_Click(0); }); };

    text(add(Label3, 0), kRight, 600, kRightWidth, kLine, "Map:", true);
    // The map opened at first is map 0.
    text(add(lblAxis, 3), kRight, 840, kRightWidth, 2 * kLine, std::string(world::mapName(0)), true).ForeColor =
        kRed;
    text(add(Label3, 1), kRight, 1440, kRightWidth, kLine, "Chests:", true);
    for (int i = 4; i <= 14; ++i)
        text(add(lblAxis, i), kRight, 1680 + (i - 4) * 225, kRightWidth, 225, "Not Available");
    text(add(Label3, 3), kRight, 4380, kRightWidth, kLine, "Chest (X, Y)", true);
    text(add(lblAxis, 16), kRight, 4620, kRightWidth, kLine, "NULL");
    text(add(Label3, 2), kRight, 5100, kRightWidth, kLine, "Pick Tile", true).ToolTipText =
        "Right Clicking on the map will do this action";
    for (auto& [index, label] : Label3)
        label->onClick = [this, i = index] { guarded([&] { Label3_Click(i); }); };

    imgTile = &add<platform::PictureBox>("imgTile");
    imgTile->Move(11100, 7560, 540, 540);
    imgTile->BorderStyle = 0;
    imgTile->onClick = [this] { guarded([this] { imgTile_Click(); }); };

    scroll = &add<platform::HScrollBar>("scroll");
    scroll->Move(10800, 8200, 1215, 135);
    scroll->Max = 100;
    scroll->onChange = [this] { guarded([this] { scroll_Change(); }); };

    const PictureArray& icons = frmTileset::get().toolbar;
    for (int i = 0; i < int(editors::kToolTips.size()); ++i) {
        platform::Image& tool = add(Image1, i);
        tool.Move(120 + i * 540, 8415, 480, 480);
        tool.Stretch = true;
        tool.ToolTipText = std::string(editors::kToolTips[std::size_t(i)]);
        if (icons.exists(i)) tool.setPicture(icons[i]);
        tool.onClick = [this, i] { guarded([&] { Image1_Click(i); }); };
    }

    moveTrue = &add<platform::Timer>("moveTrue");
    moveTrue->setInterval(100);
    moveTrue->onTimer = [this] { guarded([this] { moveTrue_Timer(); }); };
}
