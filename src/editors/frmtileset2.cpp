#include "editors/frmtileset2.h"

#include <array>

#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace {

constexpr int kTiles = 80, kColumns = 11;
constexpr double kPitch = 600, kTileSize = 540;

struct CodeRange {
    int first, last;
};

// The picker's own look at a tile: it warns of more codes than the walking
// rule blocks (21, 39, 42, 48, 78 and 79 can be walked) and decides nothing.
constexpr CodeRange kNotWalkableHint[] = {
    {0, 3},   {5, 8},   {10, 12}, {14, 21}, {24, 27}, {29, 30}, {36, 45},
    {47, 54}, {56, 59}, {61, 61}, {66, 66}, {77, 79},
};

bool hinted(int code) {
    for (const CodeRange& r : kNotWalkableHint)
        if (code >= r.first && code <= r.last) return true;
    return false;
}

}  // namespace

void frmTileSet2::build() {
    Caption = "MapMaker Tiles";
    BackColor = platform::vbBlack;
    borderStyle = platform::BorderStyle::ToolWindow;
    scale = 15;
    Width = 6555;
    Height = 4740;
    for (int n = 0; n < kTiles; ++n) {
        platform::Image& tile = add(Tiles, n);
        tile.Move((n % kColumns) * kPitch, (n / kColumns) * kPitch, kTileSize, kTileSize);
        tile.Stretch = true;
        tile.onMouseMove = [this, n](int, int, double, double) { Tiles_MouseMove(n); };
        tile.onClick = [this, n] { Tiles_Click(n); };
    }
    Label1 = &add<platform::Label>("Label1");
    Label1->Move(1920, 4320, 4545, 315);
    Label1->Transparent = true;
    Label1->ForeColor = 0x0000FF;
    Label1->Alignment = platform::Align::Center;
    Label1->font.bold = true;
}

void frmTileSet2::Form_Load() {
    const PictureArray& store = frmTileset::get().Tiles;
    for (int n = 0; n < kTiles; ++n)
        if (store.exists(n)) Tiles[n].setPicture(store[n]);
}

void frmTileSet2::Tiles_MouseMove(int index) { Label1->Caption = hinted(index) ? "NOT WALKABLE" : ""; }

void frmTileSet2::Tiles_Click(int index) {
    Vars::editorTile = std::uint8_t(index);
    unload();
}
