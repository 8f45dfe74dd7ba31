#include "map_maker_fixture.h"

#include <SDL.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/dialogs.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/map_files.h"

namespace editortest {
namespace {

platform::PicturePtr plain(std::uint32_t argb) { return platform::MakePicture(36, 36, argb); }

// Masks are white (clear) on the left half and black on the right; sprites
// black on the left and their colour on the right.
platform::PicturePtr halves(std::uint32_t left, std::uint32_t right) {
    platform::PicturePtr p = platform::MakePicture(36, 36, left);
    SDL_Rect r{18, 0, 18, 36};
    SDL_FillRect(p->surface(), &r, right);
    return p;
}

constexpr int kMasks[4] = {97, 85, 91, 103}, kSprites[4] = {94, 82, 88, 100};

}  // namespace

std::uint32_t tileColour(int code) { return 0xFF000000u | std::uint32_t(code + 1) << 8; }
std::uint32_t heroColour(int facing) { return 0xFF000000u | std::uint32_t(facing + 1) << 16 | 0x55u; }

void MapMakerTest::SetUp() {
    frmTileset& store = frmTileset::get();
    for (int code = 0; code < 106; ++code) store.Tiles.put(code, plain(tileColour(code)));
    store.Tiles.put(80, halves(0xFFFFFFFF, 0xFF000000));
    store.Tiles.put(81, halves(0xFF000000, kChestColour));
    for (int facing = 0; facing < 4; ++facing) {
        store.Tiles.put(kMasks[facing], halves(0xFFFFFFFF, 0xFF000000));
        store.Tiles.put(kSprites[facing], halves(0xFF000000, heroColour(facing)));
    }
    f().runMode = false;
    f().copyBuffer = {};
    writeMap(0, 13);
}

std::string MapMakerTest::caption(const std::string& control, int index) {
    return static_cast<platform::Label&>(harness::Harness::control("frmMain", control, index)).Caption;
}

void MapMakerTest::writeMap(int n, std::uint8_t base, const std::function<void(std::uint8_t*)>& edit) {
    std::vector<std::uint8_t> cells(world::kMapValues, 0);
    std::fill(cells.begin(), cells.begin() + world::kMapValues / 2, base);
    if (edit) edit(cells.data());
    world::writeMapFile(h.appDir + world::mapFileName(n), world::ConstMapSlice(cells.data(), world::kMapValues));
}

std::string MapMakerTest::fileText(const std::string& name) {
    std::ifstream in(h.appDir + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint8_t& MapMakerTest::terrain(int x, int y) { return Vars::cell(x, y, 0, 0); }
std::uint8_t& MapMakerTest::object(int x, int y) { return Vars::cell(x, y, 1, 0); }

void MapMakerTest::withMapMaker(const std::function<void()>& body) {
    h.then(body);
    h.click("frmMain", "Command1", 0);
    h.answerMsgBox(platform::vbYes);
    f().showModal();
}

void MapMakerTest::answersFirst(const std::vector<std::function<void()>>& answers) {
    for (auto it = answers.rbegin(); it != answers.rend(); ++it) h.source.actions.push_front(*it);
}

std::function<void()> MapMakerTest::button(int answer) {
    const char* name = answer == platform::vbYes ? "cmdYes" : answer == platform::vbNo ? "cmdNo" : "cmdOK";
    return [name] { platform::Runtime::get().click(harness::Harness::control("MsgBox", name)); };
}

std::function<void()> MapMakerTest::entry(const char* text) {
    if (!text) return [] { platform::Runtime::get().click(harness::Harness::control("InputBox", "cmdCancel")); };
    return [t = std::string(text)] {
        static_cast<platform::TextBox&>(harness::Harness::control("InputBox", "txtInput")).Text = t;
        platform::Runtime::get().click(harness::Harness::control("InputBox", "cmdOK"));
    };
}

void MapMakerTest::toolAnswering(int index, int answer) {
    answersFirst({button(answer)});
    tool(index);
}

std::function<void()> MapMakerTest::noteMessage(std::string& into) {
    return [&into] {
        into = static_cast<platform::Label&>(harness::Harness::control("MsgBox", "lblPrompt")).Caption;
        platform::Runtime::get().click(harness::Harness::control("MsgBox", "cmdOK"));
    };
}

}  // namespace editortest
