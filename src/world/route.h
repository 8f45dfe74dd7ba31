#pragma once
// The story route on the map: per map, a table of triggers. A trigger is live
// while storyStage equals its stage and fires when the hero steps into its
// area; its actions then run in order. The story's progress lives in
// storyStage; a side quest's in its byte of questFlags, which its triggers
// read in place of storyStage.
#include <array>
#include <cstdint>
#include <span>

namespace world {

enum class Op : std::uint8_t {
    none,
    say,         // a talk-box line; a line with actions after it waits for OK
    sayAndGo,    // a talk-box line, and the actions go on at once
    scene,       // frmCutscene, modally, for the present storyStage
    fight,       // a fixed battle; the actions stop unless it is won
    changeAlly,  // frmChangeCharacter, modally
    refillParty, // a rest: the party's health and magic back to their maxima
    stage,       // storyStage := n
    questStep,   // the trigger's quest flag := n
    endGame,     // the story is over: back to the title screen
};

// Faces beside the story's own: the companion of the moment speaks as itself.
inline constexpr int kAllyFace = -1;
inline constexpr int kHeroPortrait = 54;

struct Action {
    Op op = Op::none;
    int n = 0;                      // fight: the group; stage: the new stage
    int face = 0;                   // say: portraitId, or kAllyFace
    const char* speaker = nullptr;  // say: nullptr names the hero or the ally by the face
    const char* text = nullptr;     // say
};

constexpr Action say(int face, const char* speaker, const char* text) {
    return {Op::say, 0, face, speaker, text};
}
constexpr Action hero(const char* text) { return {Op::say, 0, kHeroPortrait, nullptr, text}; }
constexpr Action ally(const char* text) { return {Op::say, 0, kAllyFace, nullptr, text}; }
constexpr Action scene() { return {Op::scene}; }
constexpr Action fight(int group) { return {Op::fight, group}; }
constexpr Action stage(int next) { return {Op::stage, next}; }
constexpr Action questStep(int next) { return {Op::questStep, next}; }
constexpr Action changeAlly() { return {Op::changeAlly}; }
constexpr Action refillParty() { return {Op::refillParty}; }
constexpr Action endGame() { return {Op::endGame}; }
constexpr Action heroThenGo(const char* text) {
    return {Op::sayAndGo, 0, kHeroPortrait, nullptr, text};
}

// Inclusive cell rectangle.
struct Area {
    int x0, y0, x1, y1;
    constexpr bool holds(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

struct Spot {
    int x = -1, y = -1;
};

inline constexpr std::size_t kMaxActions = 7;

// The bytes of questFlags the side quests keep, and the value of a finished one.
inline constexpr int kNorthPassageQuest = 0;  // the old dungeon's north passage: fights 0..13
inline constexpr int kQuestDone = 99;
inline constexpr std::size_t kQuestFlags = 11;

// Where the game stands: storyStage, and the side quests' flags.
struct Progress {
    int stage = 0;
    std::array<std::uint8_t, kQuestFlags> quests{};
};

struct Trigger {
    std::int16_t stage;  // in a quest's trigger, the value of its flag
    Area area;
    std::array<Action, kMaxActions> actions;
    // A corridor monster stands here, drawn until its stage has passed.
    Spot monster{};
    // Live from `stage` through this one too (a rest the party may come back to).
    std::int16_t lastStage = 0;
    // The quest flag this trigger follows instead of storyStage, or none.
    std::int8_t quest = -1;
    // Its monster is drawn from this point of the story on (one in the open
    // would stand about long before its time).
    std::int16_t watchFrom = 0;

    constexpr int progressIn(const Progress& p) const {
        return quest < 0 ? p.stage : p.quests[std::size_t(quest)];
    }
    constexpr bool liveAt(const Progress& p) const {
        const int s = progressIn(p);
        return s == stage || (s > stage && s <= lastStage);
    }
};

// A rest: a line, then the party's health and magic back to their maxima;
// live from `from` through `through` when the party may come back to it.
constexpr Trigger rest(std::int16_t from, Area area, Action line, std::int16_t through = 0) {
    return {from, area, {line, refillParty()}, {}, through};
}

// The game's own: Vars::storyStage and Vars::questFlags.
Progress progressNow();

// The triggers of a map, in the order they are tried.
std::span<const Trigger> routeOf(int map);

// The first trigger of `map` live at `p` whose area holds (x, y), or nullptr.
const Trigger* triggerAt(int map, const Progress& p, int x, int y);

// A corridor monster still waiting on `map` at `p`.
struct Figure {
    int x, y, group;
};
template <class Visit>
void forEachWaitingMonster(int map, const Progress& p, Visit visit) {
    for (const Trigger& t : routeOf(map))
        if (t.monster.x >= 0 && t.progressIn(p) <= t.stage && t.progressIn(p) >= t.watchFrom)
            for (const Action& a : t.actions)
                if (a.op == Op::fight) visit(Figure{t.monster.x, t.monster.y, a.n});
}

}  // namespace world
