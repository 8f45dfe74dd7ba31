#include "support/story_walk.h"

#include <algorithm>
#include <deque>
#include <set>

#include "platform/keys.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "world/level_changes.h"
#include "world/map_view.h"
#include "world/terrain.h"

namespace storywalk {
namespace {

namespace vk = platform::vk;

constexpr int kCellsPerMap = Vars::kMapWidth * Vars::kMapHeight;
constexpr int kStepMs = 125;           // the map screen's step timer
constexpr int kAttemptsPerStage = 50;  // walks toward one stage before giving up
constexpr std::size_t kNearGoal = 40;  // steps from the goal where the walker looks round

std::size_t indexOf(const Cell& c) {
    return std::size_t(c.map) * kCellsPerMap + std::size_t(c.y) * Vars::kMapWidth + std::size_t(c.x);
}

Cell cellOf(std::size_t i) {
    return {int(i / kCellsPerMap), int(i % Vars::kMapWidth), int(i % kCellsPerMap / Vars::kMapWidth)};
}

}  // namespace

Cell here() { return {Vars::curMap, Vars::posX, Vars::posY}; }

std::vector<Move> pathTo(const std::function<bool(const Cell&)>& goal,
                         const std::function<bool(const Cell&)>& avoid) {
    const Cell start = here();
    std::vector<int> from(std::size_t(Vars::kMaps) * kCellsPerMap, -1), keyInto(from.size(), 0);
    std::deque<Cell> todo{start};
    from[indexOf(start)] = int(indexOf(start));
    constexpr int dx[] = {-1, 0, 1, 0}, dy[] = {0, -1, 0, 1};
    constexpr int keys[] = {vk::Left, vk::Up, vk::Right, vk::Down};
    while (!todo.empty()) {
        const Cell c = todo.front();
        todo.pop_front();
        for (int d = 0; d < 4; ++d) {
            Cell next{c.map, world::wrapX(c.x + dx[d]), world::wrapY(c.y + dy[d])};
            const int code = Vars::cell(next.x, next.y, 0, next.map);
            if (world::isBlocking(code)) continue;
            if (const world::LevelChange* lc = world::levelChangeAt(next.map, next.x, next.y);
                lc && lc->tile == code)
                next = {lc->toMap, lc->toX, lc->toY};
            const std::size_t i = indexOf(next);
            if (from[i] >= 0) continue;
            from[i] = int(indexOf(c));
            keyInto[i] = keys[d];
            const bool reached = goal(next);
            if (!reached && avoid && avoid(next)) continue;
            if (reached) {
                std::vector<Move> path;
                for (std::size_t at = i; at != indexOf(start); at = std::size_t(from[at]))
                    path.push_back({keyInto[at], cellOf(at)});
                std::reverse(path.begin(), path.end());
                return path;
            }
            todo.push_back(next);
        }
    }
    return {};
}

const world::Trigger* storyTriggerAt(const Cell& c, int stage) {
    world::Progress p = world::progressNow();
    p.stage = stage;
    const world::Trigger* t = world::triggerAt(c.map, p, c.x, c.y);
    const bool moves = t != nullptr && std::any_of(t->actions.begin(), t->actions.end(), [](const world::Action& a) {
                           return a.op == world::Op::stage;
                       });
    return moves ? t : nullptr;
}

bool sideQuestAt(const Cell& c) {
    const world::Trigger* t = world::triggerAt(c.map, world::progressNow(), c.x, c.y);
    return t != nullptr && t->quest >= 0;
}

bool restAt(const Cell& c) {
    const world::Trigger* t = world::triggerAt(c.map, world::progressNow(), c.x, c.y);
    return t != nullptr && std::any_of(t->actions.begin(), t->actions.end(),
                                       [](const world::Action& a) { return a.op == world::Op::refillParty; });
}

int fightIn(const world::Trigger& t) {
    for (const world::Action& a : t.actions)
        if (a.op == world::Op::fight) return a.n;
    return 0;
}

bool isFixedGroup(int group) {
    static const std::set<int> kFixed = {3,  6,  8,  9,  14, 16, 17, 18, 19, 20, 21, 22, 25, 27, 34, 35,
                                         36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49};
    return kFixed.contains(group);
}

frmMap& Walker::map() { return frmMap::get(); }

void Walker::closeTalk() {
    for (int n = 0; n < 10 && map().isLoaded() && map().talkShown(); ++n) h_.keyNow(Vars::keySelect);
}

void Walker::press(int key) {
    h_.advance(kStepMs);
    h_.keyNow(key);
    if (map().isLoaded()) closeTalk();
}

bool Walker::advanceStage(std::string& why) {
    const int stage = Vars::storyStage;
    // Lines that only point the way are passed by; the goal is a trigger
    // that moves the story on.
    return advance([stage](const Cell& c) { return storyTriggerAt(c, stage); },
                   [stage] { return Vars::storyStage != stage; }, "stage " + std::to_string(stage), why);
}

bool Walker::advanceQuest(int quest, std::string& why) {
    const std::size_t flag = std::size_t(quest);
    const int step = Vars::questFlags[flag];
    return advance(
        [quest](const Cell& c) {
            const world::Trigger* t = world::triggerAt(c.map, world::progressNow(), c.x, c.y);
            return t != nullptr && t->quest == quest ? t : nullptr;
        },
        [flag, step] { return Vars::questFlags[flag] != step; },
        "step " + std::to_string(step) + " of quest " + std::to_string(quest), why);
}

bool Walker::advance(const std::function<const world::Trigger*(const Cell&)>& triggerOn,
                     const std::function<bool()>& movedOn, const std::string& what, std::string& why) {
    auto goal = [&triggerOn](const Cell& c) { return triggerOn(c) != nullptr; };
    for (int attempt = 0; attempt < kAttemptsPerStage && !movedOn() && map().isLoaded(); ++attempt) {
        std::vector<Move> path = pathTo(goal, sideQuestAt);
        if (!path.empty()) {
            const Cell before = here();
            beforeWalk(*triggerOn(path.back().to));
            if (movedOn() || !map().isLoaded()) break;
            if (!(here() == before)) path = pathTo(goal, sideQuestAt);
        }
        if (path.empty()) {
            why = "no way to the place of " + what + " from " + std::to_string(here().map) + ":" +
                  std::to_string(here().x) + "," + std::to_string(here().y);
            return false;
        }
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (path.size() - i == kNearGoal) {
                const Cell before = here();
                nearGoal(*triggerOn(path.back().to));
                if (movedOn() || !map().isLoaded() || !(here() == before)) break;
            }
            press(path[i].key);
            if (movedOn() || !map().isLoaded() || !(here() == path[i].to)) break;
        }
    }
    return movedOn() || !map().isLoaded();
}

}  // namespace storywalk
