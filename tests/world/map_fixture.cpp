#include "map_fixture.h"

#include <SDL.h>

#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/terrain.h"

namespace worldtest {
namespace {

template <class Pred>
int firstCode(Pred pred) {
    for (int code = 0; code < 80; ++code)
        if (pred(code)) return code;
    ADD_FAILURE() << "no terrain code fits";
    return 0;
}

platform::PicturePtr plain(int w, int h, std::uint32_t argb) { return platform::MakePicture(w, h, argb); }

// Masks are white (clear) on the left half and black (opaque) on the right;
// sprites are black on the left and their colour on the right.
platform::PicturePtr halves(std::uint32_t left, std::uint32_t right) {
    platform::PicturePtr p = platform::MakePicture(36, 36, left);
    SDL_Rect r{18, 0, 18, 36};
    SDL_FillRect(p->surface(), &r, right);
    return p;
}

void installPictures() {
    frmTileset& store = frmTileset::get();
    for (int code = 0; code < 80; ++code) store.Tiles.put(code, plain(36, 36, terrainColour(code)));
    for (int mask : {80, 85, 91, 97, 103}) store.Tiles.put(mask, halves(0xFFFFFFFF, 0xFF000000));
    for (int sprite : {81, 82, 88, 94, 100}) store.Tiles.put(sprite, halves(0xFF000000, spriteColour(sprite)));
    for (int face = 0; face < 64; ++face) store.img.put(face, plain(72, 72, 0xFF000000 | face));
    for (int t = 1; t <= 5; ++t) store.windowTexture.put(t, plain(64, 64, 0xFF404040));
}

}  // namespace

int walkableCode() {
    return firstCode([](int c) { return !world::isBlocking(c) && !world::isQuietTerrain(c); });
}
int blockingCode() {
    return firstCode([](int c) { return world::isBlocking(c); });
}
int quietCode() {
    return firstCode([](int c) { return !world::isBlocking(c) && world::isQuietTerrain(c); });
}

std::uint32_t terrainColour(int code) { return 0xFF000000u | std::uint32_t(code + 1); }
std::uint32_t spriteColour(int picture) { return 0xFF000000u | std::uint32_t(picture) << 16; }

std::optional<Cell> findZoneCell(const std::function<bool(const world::Zone&)>& pred) {
    for (int m = 0; m < 7; ++m)
        for (int x = 2; x < 198; ++x)
            for (int y = 2; y < 148; ++y) {
                const world::Zone* z = world::zoneAt(m, x, y, Vars::storyStage);
                if (z && z == world::zoneAt(m, x + 1, y, Vars::storyStage) && pred(*z)) return Cell{m, x, y};
            }
    return std::nullopt;
}

void MapScreenTest::SetUp() {
    installPictures();
    for (int m = 0; m < 7; ++m)
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 150; ++y) Vars::cell(x, y, 0, m) = std::uint8_t(walkableCode());
    place(0, 100, 75);
    Vars::facing = 3;
    Vars::storyStage = 1;
    Vars::heroName = "Nina";
    Vars::heroHP = Vars::heroMaxHP = 25;
    Vars::heroMP = Vars::heroMaxMP = 14;
    Vars::allyName = "Sofi";
    Vars::allyId = 18;
    Vars::allyHP = Vars::allyMaxHP = 30;

    map().areaScripts = {};
    for (int m = 0; m < 7; ++m)
        map().areaScripts[m] = [this, m] { scriptRuns.push_back(m); };
    map().startEncounter = [this] {
        frmMap& f = frmMap::get();
        f.lblPot[0].Visible = false;
        f.add[0].Visible = false;
        battleGroups.push_back(Vars::encounterGroup);
        if (duringBattle) duringBattle();
        if (f.isLoaded()) f.add[0].Visible = true;
    };
}

void MapScreenTest::place(int m, int x, int y) {
    Vars::curMap = std::uint8_t(m);
    Vars::posX = std::int16_t(x);
    Vars::posY = std::int16_t(y);
}

void MapScreenTest::setTerrain(int x, int y, int code) {
    Vars::cell(x, y, 0, Vars::curMap) = std::uint8_t(code);
}

void MapScreenTest::setObject(int x, int y, int code) {
    Vars::cell(x, y, 1, Vars::curMap) = std::uint8_t(code);
}

void MapScreenTest::open() { map().show(); }

void MapScreenTest::walk(int vk) {
    h.advance(125);
    press(vk);
}

std::uint32_t MapScreenTest::viewPixel(int px, int py) {
    return static_cast<platform::PictureBox&>(harness::Harness::control("frmMap", "picView"))
        .pixel(px, py);
}

bool MapScreenTest::statusShown() { return map().lblPot[0].Visible && map().add[0].Visible; }

}  // namespace worldtest
