#pragma once
// Walking the story route through the real map screen: a breadth-first search
// over the walking rule and the level changes, and the walk from trigger to
// trigger until the stage moves on. Shared by the route play-through test and
// the fair play-through benchmark.
#include <functional>
#include <string>
#include <vector>

#include "support/harness.h"
#include "world/route.h"

class frmMap;

namespace storywalk {

struct Cell {
    int map, x, y;
    bool operator==(const Cell&) const = default;
};

Cell here();

// One step of a path: the key to press and where the hero should then stand.
struct Move {
    int key;
    Cell to;
};

// The shortest way from the hero's cell to the nearest cell (one step away at
// least) that `goal` accepts, through no cell that `avoid` names; empty when
// there is none.
std::vector<Move> pathTo(const std::function<bool(const Cell&)>& goal,
                         const std::function<bool(const Cell&)>& avoid = {});

// A trigger live at `stage` on that cell that moves the story on, or nullptr.
const world::Trigger* storyTriggerAt(const Cell& c, int stage);

// A side quest's trigger live on that cell: the walk keeps to the story.
bool sideQuestAt(const Cell& c);

// A rest live on that cell: a trigger that refills the party.
bool restAt(const Cell& c);

// The group of the fixed fight a trigger starts, or 0 when it starts none.
int fightIn(const world::Trigger& t);

// Groups of the scripted fights; all others are random battles or chests.
bool isFixedGroup(int group);

class Walker {
public:
    explicit Walker(harness::Harness& harness) : h_(harness) {}
    virtual ~Walker() = default;

    // Walks toward the live triggers of the present stage until the stage
    // moves on or the map screen goes. False, with `why` set, when no way leads
    // on from where the hero stands.
    bool advanceStage(std::string& why);
    // The same toward the live trigger of a side quest, until its flag moves on.
    bool advanceQuest(int quest, std::string& why);

    static frmMap& map();
    // Closes the talk box while it shows, as OK would.
    void closeTalk();

protected:
    // One accepted key press on the map screen: the step timer runs out, the
    // key goes in, and any talk box is closed.
    virtual void press(int key);
    // Before each walk toward `goal`, and again once the goal is a few steps
    // away; the hero may be moved elsewhere meanwhile.
    virtual void beforeWalk(const world::Trigger& /*goal*/) {}
    virtual void nearGoal(const world::Trigger& /*goal*/) {}

    harness::Harness& h_;

private:
    bool advance(const std::function<const world::Trigger*(const Cell&)>& triggerOn,
                 const std::function<bool()>& movedOn, const std::string& what, std::string& why);
};

}  // namespace storywalk
