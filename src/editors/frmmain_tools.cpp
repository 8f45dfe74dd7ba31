// The map maker's toolbar: the open map file, maps and pages, copy, paste
// and fill of a page, the right-click mode and the whole-map view.
#include <cmath>
#include <functional>
#include <string>

#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/runtime.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/map_files.h"
#include "world/map_format.h"
#include "world/map_names.h"

namespace {

// The hourglass while a tool works; gone however the tool ends.
class Hourglass {
public:
    Hourglass() { platform::Runtime::get().setBusy(true); }
    ~Hourglass() { release(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
    void release() { platform::Runtime::get().setBusy(false); }
};

bool confirmed(const std::string& question) {
    return platform::MsgBox(question, platform::vbYesNo) == platform::vbYes;
}

// The whole map fills the page: 200 x 150 cells over 720 x 540 pixels.
constexpr double kWholeCellW = 720.0 / world::kMapWidth, kWholeCellH = 540.0 / world::kMapHeight;

}  // namespace

void frmMain::Image1_Click(int index) {
    switch (index) {
        case editors::LoadTool:
            if (confirmed("Are you sure you want to load another map?  You will lose changes!")) loadMap();
            break;
        case editors::SaveTool:
            if (confirmed("Are you sure wish to overwrite the existing map file?")) saveMap();
            break;
        case editors::ChangeMapTool:
            Vars::curMap = std::uint8_t((Vars::curMap + 1) % world::kMapCount);
            lblAxis[3].Caption = std::string(world::mapName(Vars::curMap));
            break;
        case editors::PageRightTool: movePage(1, 0); break;
        case editors::PageLeftTool: movePage(-1, 0); break;
        case editors::PageUpTool: movePage(0, -1); break;
        case editors::PageDownTool: movePage(0, 1); break;
        case editors::CopyTool: copyPage(); break;
        case editors::PasteTool: pastePage(); break;
        case editors::RunTool: toggleRunMode(); break;
        case editors::FillTool: fillPage(); break;
        case editors::RightClickTool: nextRightClickMode(); break;
        case editors::WholeMapTool: drawWholeMap(); break;
        default: break;
    }
}

// ---- files ----

namespace {

// Runs a read or write of the open map file under the hourglass. A failure
// leaves the buffer (read) or the file (write) as it was, and says which file
// and what went wrong; a success says nothing.
bool onOpenMapFile(const std::function<void(const std::string& path)>& action) {
    Hourglass busy;
    Subs::getAppPath();
    try {
        action(world::mapFilePath(Vars::curMap));
        return true;
    } catch (const platform::Error& e) {
        busy.release();
        platform::MsgBox(e.what(), platform::vbExclamation);
        return false;
    }
}

}  // namespace

void frmMain::loadMap() {
    if (onOpenMapFile([](const std::string& path) { world::readMapFile(path, world::mapSlice(0)); })) redrawPage();
}

void frmMain::saveMap() {
    onOpenMapFile([](const std::string& path) { world::writeMapFile(path, world::mapSlice(0)); });
}

// ---- pages ----

void frmMain::movePage(int dx, int dy) {
    pageX = (pageX + dx + kPages) % kPages;
    pageY = (pageY + dy + kPages) % kPages;
    showPageLabel();
    redrawPage();
}

void frmMain::copyPage() {
    for (int x = 0; x < kPageCols; ++x)
        for (int y = 0; y < kPageRows; ++y)
            copyBuffer[std::size_t(x)][std::size_t(y)] = terrainAt(pageX * kPageCols + x, pageY * kPageRows + y);
}

// Paste and fill paint terrain only, into every cell of the page (so over
// the whole map if it showed): the chests stay in the map, their markers
// hidden until the page is drawn whole again.
void frmMain::pastePage() {
    wholeMapShown = false;
    for (int x = 0; x < kPageCols; ++x)
        for (int y = 0; y < kPageRows; ++y) {
            cellX = x;
            cellY = y;
            paintCell(copyBuffer[std::size_t(x)][std::size_t(y)]);
        }
}

void frmMain::fillPage() {
    const int tile = scroll->value();
    wholeMapShown = false;
    for (cellX = 0; cellX < kPageCols; ++cellX)
        for (cellY = 0; cellY < kPageRows; ++cellY) paintCell(tile);
}

void frmMain::nextRightClickMode() {
    rightClickMode = std::uint8_t((rightClickMode + 1) % editors::kRightClickCaptions.size());
    Label3[2].Caption = std::string(editors::kRightClickCaptions[rightClickMode]);
}

// ---- the whole map ----

// Each cell gets the pixels from its own edge to the next cell's, so the
// cells meet without gaps or overlaps.
void frmMain::drawWholeMap() {
    Hourglass busy;
    wholeMapShown = true;
    for (int x = 0; x < world::kMapWidth; ++x) {
        const double left = std::round(x * kWholeCellW), right = std::round((x + 1) * kWholeCellW);
        for (int y = 0; y < world::kMapHeight; ++y) {
            const double top = std::round(y * kWholeCellH), bottom = std::round((y + 1) * kWholeCellH);
            Main->PaintPicture(*tilePicture(terrainAt(x, y)), left, top, right - left, bottom - top);
        }
    }
}
