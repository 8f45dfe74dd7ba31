// The map maker's page: opening and leaving, painting with the mouse, the
// chest markers, the labels and the chest statistics.
#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "editors/frmtileset2.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "platform/vbmath.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/map_files.h"
#include "world/map_format.h"

namespace {

constexpr int kDarkTile = 79, kChestMask = 80, kChest = 81;
// The three parts of one tall object, painted together by a click.
constexpr int kColumnTop = 37, kColumnMiddle = 38, kColumnFoot = 40;

bool isColumnPart(int code) { return code == kColumnTop || code == kColumnMiddle || code == kColumnFoot; }

}  // namespace

// ---- opening and leaving ----

void frmMain::Form_Load() {
    before_ = Before{std::vector<std::uint8_t>(world::mapSlice(0).begin(), world::mapSlice(0).end()),
                     Vars::curMap, Vars::posX, Vars::posY, Vars::facing};
    savedMusicOn = Vars::musicOn;
    Vars::musicOn = 0;
    Subs::stopMusic();
    Vars::curMap = 0;
    cellX = cellY = pageX = pageY = 0;
    wholeMapShown = false;
    Vars::editorTile = 0;
    rightClickMode = 0;
    showPageLabel();
    showCellLabel();
    showWorldLabel();
    guarded([this] { loadMap(); });
}

void frmMain::Form_Unload() {
    if (!before_) return;
    std::copy(before_->map0.begin(), before_->map0.end(), world::mapSlice(0).begin());
    Vars::curMap = before_->curMap;
    Vars::posX = before_->posX;
    Vars::posY = before_->posY;
    Vars::facing = before_->facing;
    before_.reset();
}

void frmMain::Command1_Click(int) {
    if (platform::MsgBox("Quit the editor?  You will lose changes!", platform::vbYesNo) != platform::vbYes)
        return;
    Vars::musicOn = savedMusicOn;
    Subs::playMusic(Vars::musicTrack);
    unload();
    frmTileSet2::get().unload();
}

void frmMain::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        platform::Runtime::get().setBusy(false);
        platform::MsgBox(std::string("The map maker could not finish that: ") + e.what(),
                         platform::vbExclamation);
    }
}

// ---- cells ----

bool frmMain::worldCell(int& x, int& y) const {
    x = pageX * kPageCols + cellX;
    y = pageY * kPageRows + cellY;
    return x >= 0 && x < world::kMapWidth && y >= 0 && y < world::kMapHeight;
}

std::uint8_t& frmMain::terrainAt(int x, int y) { return world::mapSlice(0)[world::sliceIndex(x, y, 0)]; }

std::uint8_t& frmMain::objectAt(int x, int y) { return world::mapSlice(0)[world::sliceIndex(x, y, 1)]; }

bool frmMain::setCellFrom(double x, double y) {
    const int cx = int(platform::Int(x / kCellPx)), cy = int(platform::Int(y / kCellPx));
    // A drag that leaves the page, with the mouse captured, touches nothing.
    if (cx < 0 || cx >= kPageCols || cy < 0 || cy >= kPageRows) return false;
    cellX = cx;
    cellY = cy;
    return true;
}

// A code without a picture of its own (a file may hold any byte) shows as darkness.
const platform::PicturePtr& frmMain::tilePicture(int code) {
    const PictureArray& tiles = frmTileset::get().Tiles;
    return tiles[tiles.exists(code) ? code : kDarkTile];
}

// Every picture reaches the page through imgTile, which so shows the last one drawn.
void frmMain::showThrough(const platform::PicturePtr& picture) {
    if (imgTile->picture() != picture) imgTile->setPicture(picture);
}

// ---- drawing ----

void frmMain::drawCell() {
    int x, y;
    if (!worldCell(x, y)) return;
    showThrough(tilePicture(terrainAt(x, y)));
    Main->PaintPicture(*imgTile->picture(), cellX * kCellPx, cellY * kCellPx, kCellPx, kCellPx);
}

void frmMain::drawChestMarkerAt(int i, int j) {
    const PictureArray& tiles = frmTileset::get().Tiles;
    showThrough(tiles[kChestMask]);
    Main->BitBlt(i * kCellPx, j * kCellPx, kCellPx, kCellPx, *tiles[kChestMask], 0, 0, platform::Rop::SrcAnd);
    showThrough(tiles[kChest]);
    Main->BitBlt(i * kCellPx, j * kCellPx, kCellPx, kCellPx, *tiles[kChest], 0, 0, platform::Rop::SrcPaint);
}

void frmMain::drawChestMarker() {
    int x, y;
    if (worldCell(x, y) && objectAt(x, y) != 0) drawChestMarkerAt(cellX, cellY);
}

void frmMain::redrawPage() {
    wholeMapShown = false;
    for (cellX = 0; cellX < kPageCols; ++cellX)
        for (cellY = 0; cellY < kPageRows; ++cellY) {
            drawCell();
            drawChestMarker();
        }
    showThrough(tilePicture(Vars::editorTile));
    showChestStats();
}

// ---- labels ----

void frmMain::showCellLabel() {
    lblAxis[2].Caption = std::to_string(cellX) + "/19 x  " + std::to_string(cellY) + "/14";
}

void frmMain::showWorldLabel() {
    lblAxis[0].Caption = std::to_string(pageX * kPageCols + cellX) + "/199  x  " +
                         std::to_string(pageY * kPageRows + cellY) + "/149";
}

void frmMain::showPageLabel() {
    lblAxis[1].Caption = std::to_string(pageX) + "/9  x  " + std::to_string(pageY) + "/9";
}

void frmMain::showPositionLabel() {
    lblAxis[0].Caption = std::to_string(Vars::posX) + "/199  x  " + std::to_string(Vars::posY) + "/149";
}

void frmMain::showChestStats() {
    std::array<int, editors::kChestStatCaptions.size()> counts{};
    for (int x = 0; x < world::kMapWidth; ++x)
        for (int y = 0; y < world::kMapHeight; ++y) {
            const int code = objectAt(x, y);
            if (code == 0) continue;
            ++counts[0];
            if (code <= editors::kLastObjectCode) ++counts[std::size_t(code)];
        }
    for (std::size_t i = 0; i < counts.size(); ++i)
        lblAxis[int(4 + i)].Caption = std::string(editors::kChestStatCaptions[i]) + std::to_string(counts[i]);
}

// ---- the mouse ----

void frmMain::paintCell(int tileCode) {
    int x, y;
    if (!worldCell(x, y)) return;
    terrainAt(x, y) = std::uint8_t(tileCode);
    drawCell();
}

// The three parts of a tall object go in one column around the clicked cell,
// which always ends as the middle part; rows beyond the map are left alone.
void frmMain::applyColumnRule() {
    --cellY;
    paintCell(kColumnTop);
    ++cellY;
    paintCell(kColumnMiddle);
    ++cellY;
    paintCell(kColumnFoot);
    drawChestMarker();
}

// Over the whole map a point names no cell of the page hidden beneath, so
// the mouse neither paints nor picks there; a right click only brings the
// page back, as it redraws it anywhere else.
void frmMain::Main_MouseDown(int button, int, double x, double y) {
    if (runMode || !setCellFrom(x, y)) return;
    if (wholeMapShown) {
        if (button == platform::RightButton) redrawPage();
        return;
    }
    showCellLabel();
    showWorldLabel();
    if (button == platform::LeftButton) {
        paintCell(Vars::editorTile);
        drawChestMarker();
        if (isColumnPart(Vars::editorTile)) applyColumnRule();
    } else if (button == platform::RightButton) {
        int wx, wy;
        worldCell(wx, wy);
        if (rightClickMode == 0) {
            const int code = terrainAt(wx, wy);
            // A code the scroll bar cannot show cannot become the selected tile.
            if (code <= scroll->Max) {
                showThrough(tilePicture(code));
                Vars::editorTile = std::uint8_t(code);
                scroll->setValue(code);
            }
        } else {
            objectAt(wx, wy) = std::uint8_t(rightClickMode - 1);
        }
        redrawPage();
    }
}

void frmMain::Main_MouseMove(int button, int, double x, double y) {
    if (runMode || wholeMapShown || !setCellFrom(x, y)) return;
    showCellLabel();
    showWorldLabel();
    int wx, wy;
    worldCell(wx, wy);
    if (const int code = objectAt(wx, wy); code <= editors::kLastObjectCode)
        lblAxis[16].Caption = std::string(editors::objectName(code));
    if (button == platform::LeftButton) {
        paintCell(Vars::editorTile);
        drawChestMarker();
    }
}

// ---- the selected tile and the right-click mode ----

void frmMain::Label3_Click(int) {
    rightClickMode = 11;
    Image1_Click(editors::RightClickTool);
}

void frmMain::scroll_Change() {
    const int value = scroll->value();
    showThrough(tilePicture(value));
    Vars::editorTile = std::uint8_t(value);
}

void frmMain::imgTile_Click() {
    frmTileSet2::get().showModal();
    if (isLoaded()) scroll->setValue(Vars::editorTile);
}
