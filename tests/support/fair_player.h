#pragma once
// A newcomer playing the story through the real screens, with no edits to the
// game state: a hero of 4/3/3 extra points, every scene watched, every line
// read, chests in sight opened, battles fought by a simple policy (attack;
// heal whoever of the two is lower once one is under 40 % and a Cure, herb or
// potion is at hand; never flee), random battles fought before a fixed fight
// the party is too weak for (unless it only walks), a rest the story offers
// taken when one of the two is under half its health and the rest is near or
// when a fixed fight is in sight and the party is not fresh, a save after
// every scene and, when the party falls, that save loaded again. Shared by the
// fair play-through benchmark and its short test.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "support/harness.h"
#include "support/story_walk.h"

namespace fairplay {

enum Difficulty { Normal = 0, Hardcore = 1, Wimp = 2 };

// Grinding fights random battles before a fixed fight the party is too weak
// for; walking fights only those met on the story's way.
enum class Policy { Grinding, Walking };

struct Defeat {
    int stage, map, x, y, group;
};

// Where the party stood in the story when a scene began.
struct SceneMark {
    int stage, level, exp;
    std::uint64_t ms;  // virtual time since the new game
};

// The walking done while the story stood at one stage: steps taken, the
// ones that could bring a random battle, the battles met (grinding
// included) and the experience they gave.
struct StageWalk {
    int steps = 0, countedSteps = 0, battles = 0, exp = 0;
};

// The party as a fixed fight began.
struct FightMark {
    int stage, group, level;
};

struct Record {
    std::vector<Defeat> defeats;
    std::vector<SceneMark> scenes;
    std::vector<FightMark> fixedFights;
    std::map<int, StageWalk> walks;  // by stage
    int battles = 0, grindBattles = 0, chests = 0, rests = 0;
    std::uint64_t ms = 0, grindMs = 0;  // virtual play time, and the part of it spent grinding
    std::uint64_t sceneMs = 0;          // the part of it spent watching scenes
    bool ended = false;                 // the ending was reached
    std::string stuck;                  // why the run stopped short, if it did
    int levelAt(int stage) const;       // the level at the first scene at or after it, 0 if none
};

// The expected blows a fixed fight deals each member, as shares of their maxima.
struct FightCost {
    double hero = 0, ally = 0;
};

class Player : public storywalk::Walker {
public:
    // Seeds the draws and installs the hooks; h must have its assets linked.
    Player(harness::Harness& h, std::uint32_t seed, Policy policy = Policy::Grinding);
    ~Player() override;

    // Hero creation (4/3/3, the difficulty chosen), the opening scene, the map.
    void newGame(Difficulty difficulty);
    // Plays on until the story reaches `stage` (1000: the ending), the run
    // gives up, or the defeats pass `maxDefeats`.
    void playUntil(int stage, int maxDefeats);

    const Record& record() const { return record_; }

    // What the fight of `group` would cost the party, as the battle screen's
    // own figures of the last battle and the monsters' known strength tell.
    FightCost estimate(int group) const;

protected:
    void press(int key) override;
    void beforeWalk(const world::Trigger& goal) override;
    void nearGoal(const world::Trigger& goal) override;

private:
    class BattleTurns;
    void takeTurn();
    void onBattle();
    void save();
    void loadAfterDefeat();
    void pickUpChestsInSight();
    void grindBefore(int group);
    bool below(double share) const;  // either member under this share of its maximum
    void restIfBelow(double share, int reach);
    void restIfHurt();
    bool walkToBattleGround(int& key);
    bool partyReady(int group) const;

    Record record_;
    std::uint64_t startMs_ = 0;
    int savedScenes_ = -1;
    int lastGroup_ = 0;
    bool grinding_ = false;
    bool saveExists_ = false;
    // The battle screen's figures, read at the last battle: the damage range
    // of the hero's and the ally's weapons with their strength bonus, and the
    // defence, strong defence and block of each.
    struct Figures {
        bool known = false;
        double heroBlow = 0, allyBlow = 0;
        int defense[4]{}, block[2]{};
    } figures_;
    platform::EventSource* harnessSource_ = nullptr;
    Policy policy_;
    std::unique_ptr<BattleTurns> turns_;
};

}  // namespace fairplay
