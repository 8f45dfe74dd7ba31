#pragma once
// A map screen on a test world of plain walkable ground, from a new game:
// plain pictures whose colours tell what was drawn, a battle double, and a
// party at full health.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "support/game_test.h"
#include "support/harness.h"
#include "world/frmmap.h"
#include "world/zones.h"

namespace worldtest {

// Terrain codes chosen by the rules, not by number.
int walkableCode();  // walkable, encounters counted
int blockingCode();
int quietCode();     // walkable, no encounters

// Colours of the test pictures, as the view reads them back (ARGB).
std::uint32_t terrainColour(int code);
std::uint32_t spriteColour(int picture);

struct Cell {
    int map, x, y;
};
// A cell whose zone satisfies `pred` and also holds the cell to its right,
// away from the map's edges.
std::optional<Cell> findZoneCell(const std::function<bool(const world::Zone&)>& pred);

class MapScreenTest : public harness::GameTest {
protected:
    void SetUp() override;

    frmMap& map() { return frmMap::get(); }
    void place(int map, int x, int y);
    void setTerrain(int x, int y, int code);
    void setObject(int x, int y, int code);
    void open();  // shows the screen modeless
    void press(int vk) { h.keyNow(vk); }
    // A step that is accepted: waits out the step timer first.
    void walk(int vk);
    std::uint32_t viewPixel(int px, int py);
    bool statusShown();

    // The battle double: records, hides the status line and face as the
    // battle does, runs `duringBattle`, shows the face again.
    std::vector<int> battleGroups;
    std::function<void()> duringBattle;
    std::vector<int> scriptRuns;  // the map of each area-script run
};

}  // namespace worldtest
