#include "world/route.h"

#include "shell/vars.h"
#include "world/route_tables.h"

namespace world {

static_assert(kQuestFlags == Vars::questFlags.size());

Progress progressNow() { return {Vars::storyStage, Vars::questFlags}; }

std::span<const Trigger> routeOf(int map) {
    switch (map) {
    case 0: return kMap0Route;
    case 1: return kMap1Route;
    case 2: return kMap2Route;
    case 3: return kMap3Route;
    case 4: return kMap4Route;
    case 5: return kMap5Route;
    case 6: return kMap6Route;
    default: return {};
    }
}

const Trigger* triggerAt(int map, const Progress& p, int x, int y) {
    for (const Trigger& t : routeOf(map))
        if (t.liveAt(p) && t.area.holds(x, y)) return &t;
    return nullptr;
}

}  // namespace world
