#pragma once
// The map maker opened over plain test pictures whose colours tell what was
// drawn, with map files written into the test's application folder.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editors/frmmain.h"
#include "platform/controls.h"
#include "support/game_test.h"

namespace editortest {

// The colour a terrain code is drawn in, and the chest's (ARGB).
std::uint32_t tileColour(int code);
constexpr std::uint32_t kChestColour = 0xFFFF8000;
std::uint32_t heroColour(int facing);

class MapMakerTest : public harness::GameTest {
protected:
    void SetUp() override;

    frmMain& f() { return frmMain::get(); }
    platform::PictureBox& page() { return *f().Main; }
    std::string caption(const std::string& control, int index = -1);
    std::string axis(int index) { return caption("lblAxis", index); }

    // Writes map file n with terrain `base` and whatever `edit` adds.
    void writeMap(int n, std::uint8_t base, const std::function<void(std::uint8_t*)>& edit = {});
    std::string fileText(const std::string& name);
    static std::uint8_t& terrain(int x, int y);  // of the buffer, map 0's slice
    static std::uint8_t& object(int x, int y);

    // Opens the map maker, runs `body` inside it, then quits it with Yes.
    void withMapMaker(const std::function<void()>& body);

    // The pixel at the left and the right half of page cell (i, j): the
    // terrain shows on the left, a chest marker on the right.
    std::uint32_t terrainPixel(int i, int j) { return page().pixel(i * 36 + 9, j * 36 + 18); }
    bool markerShown(int i, int j) { return page().pixel(i * 36 + 27, j * 36 + 18) == kChestColour; }
    void clickCell(int i, int j) {
        h.mouseDownNow(page(), 1, i * 36 + 5, j * 36 + 5);
        h.mouseUpNow(page(), 1, i * 36 + 5, j * 36 + 5);
    }
    void rightClickCell(int i, int j) { h.rightClickNow(page(), i * 36 + 5, j * 36 + 5); }
    void tool(int index) { h.clickNow(harness::Harness::control("frmMain", "Image1", index)); }
    // Answers for the prompts the next action raises, taken before anything
    // else queued: a message box's button, or a typed entry (nullptr: Cancel).
    void answersFirst(const std::vector<std::function<void()>>& answers);
    static std::function<void()> button(int answer);
    static std::function<void()> entry(const char* text);
    // A tool that asks first, answered with `answer`.
    void toolAnswering(int index, int answer);
    // The text of the message box now showing, and OK on it.
    std::function<void()> noteMessage(std::string& into);
    void selectTile(int code) { f().scroll->setValue(code); }
};

}  // namespace editortest
