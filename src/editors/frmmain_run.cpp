// The map maker's run mode: the hero walks the map in the buffer with the
// arrow keys, seen as in the game; outside it the arrow keys turn pages.
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/map_files.h"
#include "world/map_view.h"

namespace {

constexpr int kHeroSprite[4] = {94, 82, 88, 100};  // by facing: left, up, right, down

// The whole value of a typed number, the nearest one with a half going to
// the even neighbour; nothing for text that is not a number.
std::optional<double> wholeValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return std::nearbyint(value);
}

}  // namespace

void frmMain::toggleRunMode() {
    if (runMode) {
        runMode = false;
        scroll->Enabled = true;
        redrawPage();
        return;
    }
    runMode = true;
    scroll->Enabled = false;
    const std::optional<int> x = askCoordinate("Enter the World X coordinate (0-199):", world::kMapWidth - 1);
    if (!x) return;
    Vars::posX = std::int16_t(*x);
    const std::optional<int> y = askCoordinate("Enter the World Y coordinate (0-149):", world::kMapHeight - 1);
    if (!y) return;
    Vars::posY = std::int16_t(*y);
    drawRunView();
}

// Asks until the entry is a whole number in 0..max; gives up only when the
// program is closing, which answers every prompt with nothing.
std::optional<int> frmMain::askCoordinate(const std::string& prompt, int max) {
    for (;;) {
        const std::string entry = platform::InputBox(prompt);
        if (platform::Runtime::get().quitting() || !isLoaded()) return std::nullopt;
        if (const std::optional<double> v = wholeValue(entry); v && *v >= 0 && *v <= max) return int(*v);
    }
}

void frmMain::Form_KeyDown(int keyCode, int) {
    guarded([&] {
        if (moveTrue->enabled()) return;
        if (runMode) {
            step(keyCode);
            return;
        }
        switch (keyCode) {
            case platform::vk::Left: Image1_Click(editors::PageLeftTool); break;
            case platform::vk::Up: Image1_Click(editors::PageUpTool); break;
            case platform::vk::Right: Image1_Click(editors::PageRightTool); break;
            case platform::vk::Down: Image1_Click(editors::PageDownTool); break;
            default: break;
        }
        showWorldLabel();
    });
}

void frmMain::step(int keyCode) {
    int dx = 0, dy = 0;
    switch (keyCode) {
        case platform::vk::Left: dx = -1, Vars::facing = 0; break;
        case platform::vk::Up: dy = -1, Vars::facing = 1; break;
        case platform::vk::Right: dx = 1, Vars::facing = 2; break;
        case platform::vk::Down: dy = 1, Vars::facing = 3; break;
        default: return;
    }
    Vars::posX = std::int16_t(world::wrapX(Vars::posX + dx));
    Vars::posY = std::int16_t(world::wrapY(Vars::posY + dy));
    moveTrue->setEnabled(true);
    drawRunView();
}

void frmMain::moveTrue_Timer() { moveTrue->setEnabled(false); }

// The page box shows the view round the hero; the last picture drawn, the
// hero, stays in imgTile as in every other drawing.
void frmMain::drawRunView() {
    world::drawMapView(*Main, world::mapSlice(0), Vars::posX, Vars::posY, Vars::facing,
                       world::isOutdoors(Vars::curMap));
    showThrough(frmTileset::get().Tiles[kHeroSprite[Vars::facing & 3]]);
    showPositionLabel();
}
