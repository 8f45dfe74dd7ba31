#pragma once
// Compile-time checks a scene's data must pass, asserted beside each scene:
//   static_assert(cutscenes::allWellFormed(kScenes));
//   static_assert(cutscenes::everyStepListed(kScene));
// A failing check stops the build at a call of checkFailed whose argument
// says what is wrong.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "cutscenes/scene_model.h"
#include "cutscenes/sound_effects.h"

namespace cutscenes {

// Deliberately not constexpr: reaching it makes the static_assert fail.
inline bool checkFailed(const char* /*what*/) { return false; }
constexpr bool require(bool ok, const char* what) { return ok || checkFailed(what); }

// What the picture store, the map and the party hold.
constexpr std::array kFaces{face::Ryu,     face::Monk,   face::Chi,  face::Sonia,
                           face::Tina,    face::Maurice, face::Bree, face::Father,
                           face::Myst,    face::Jack,   face::Hero, face::Darwin};
constexpr std::array kCompanions{12, 14, 18, 21, 28, 30, 47, 51, 59};
constexpr int kBackdrops = 13, kSpritePictures = 13, kSpriteSlots = 11;
constexpr int kMapColumns = 200, kMapRows = 150;

constexpr bool within(int v, int lo, int hi) { return lo <= v && v <= hi; }
template <std::size_t N>
constexpr bool oneOf(int v, const std::array<int, N>& set) {
    return std::find(set.begin(), set.end(), v) != set.end();
}

constexpr bool operandsInRange(const Operation& o) {
    switch (o.op) {
    case Op::setPortrait: return require(oneOf(o.a, kFaces), "face not in the picture store");
    case Op::setBackdrop: return require(within(o.a, 0, kBackdrops - 1), "backdrop out of range");
    case Op::setSprite:
        return require(within(o.a, 0, kSpriteSlots - 1), "sprite slot out of range") &&
               require(within(o.b, 0, kSpritePictures - 1), "character picture out of range");
    case Op::hideSprite:
    case Op::moveSprite:
        return require(within(o.a, 0, kSpriteSlots - 1), "sprite slot out of range");
    case Op::playTrack: return require(within(o.a, 0, 255), "music track out of range");
    case Op::playSound: return require(hasSoundEffect(o.a), "sound without a procedure");
    case Op::moveHero:
        return require(within(o.a, 0, kMapColumns - 1) && within(o.b, 0, kMapRows - 1),
                       "hero moved off the map");
    case Op::companionJoins: return require(oneOf(o.a, kCompanions), "no such companion");
    case Op::setLine:
        return require(o.namesHero || o.afterName.empty(), "a second piece without the name");
    default: return true;
    }
}

constexpr bool allowedAtLoad(Op op) {
    return op == Op::setBackdrop || op == Op::setPortrait || op == Op::setLine ||
           op == Op::setSprite || op == Op::playTrack;
}
constexpr bool allowedAtUnload(Op op) {
    return op == Op::playTrack || op == Op::moveHero || op == Op::companionJoins;
}
constexpr bool allowedInStep(Op op) { return op != Op::moveHero && op != Op::companionJoins; }

constexpr bool setUpWellFormed(const SceneScript& s) {
    bool ok = true;
    for (std::size_t i = 0; i < s.setUp.size(); ++i) {
        const Operation& o = s.setUp[i];
        ok = ok && require(allowedAtLoad(o.op), "operation not allowed in a set-up") &&
             require(o.op != Op::playTrack || i + 1 == s.setUp.size(),
                     "the set-up's music comes last") &&
             operandsInRange(o);
    }
    return ok;
}

constexpr bool afterEffectsWellFormed(const SceneScript& s) {
    bool ok = true;
    for (const Operation& o : s.afterEffects)
        ok = ok && require(allowedAtUnload(o.op), "operation not allowed in after-effects") &&
             operandsInRange(o);
    return ok;
}

constexpr bool stepsWellFormed(const SceneScript& s) {
    const bool ending = s.stage == kEndingStage;
    bool ok = require(s.stepCount >= 1, "a scene has at least one step") &&
              require(!ending || s.stepCount == kEndingLastStep, "the ending's length");
    int previous = 0;
    for (const SceneStep& step : s.steps) {
        const int k = step.number;
        ok = ok && require(k > previous, "steps out of order or repeated") &&
             require(within(k, 1, s.stepCount), "step number beyond the scene");
        previous = k;
        for (const Operation& o : step.operations()) {
            ok = ok && require(allowedInStep(o.op), "operation not allowed in a step") &&
                 operandsInRange(o);
            if (o.op == Op::endScene)
                ok = ok && require(!ending, "the ending never closes itself") &&
                     require(k == s.stepCount && step.count == 1,
                             "only the last step ends the scene, alone");
            if (o.op == Op::jumpStep || o.op == Op::jumpStepUnlessHardcore)
                ok = ok && require(within(o.a, k + 1, s.stepCount), "a jump must lead ahead");
        }
    }
    if (!ending) {
        auto last = s.step(s.stepCount);
        ok = ok && require(last.size() == 1 && last[0].op == Op::endScene,
                           "the last step ends the scene");
    }
    return ok;
}

constexpr bool wellFormed(const SceneScript& s) {
    return setUpWellFormed(s) && stepsWellFormed(s) && afterEffectsWellFormed(s);
}

constexpr bool allWellFormed(std::span<const SceneScript> scenes) {
    bool ok = true;
    for (const SceneScript& s : scenes) ok = ok && wellFormed(s);
    return ok;
}

// Steps 1..N all written, in order.
constexpr bool everyStepListed(const SceneScript& s) {
    bool ok = require(s.steps.size() == std::size_t(s.stepCount), "a step is missing");
    for (std::size_t i = 0; i < s.steps.size(); ++i)
        ok = ok && require(s.steps[i].number == int(i) + 1, "steps not numbered 1..N");
    return ok;
}

// An ordinary scene (not the opening, reunion or ending): steps 1..N-1 each
// say exactly one line, a new face comes before it and anything else after
// it; step N only ends the scene. A scene that moves to another place midway
// may change the backdrop first, before the face, at that one step.
constexpr bool ordinaryStepFormMovingAt(const SceneScript& s, int backdropFirstStep) {
    bool ok = everyStepListed(s);
    for (const SceneStep& step : s.steps) {
        if (step.number == s.stepCount) continue;
        int lines = 0;
        const auto ops = step.operations();
        const bool placeFirst = step.number == backdropFirstStep;
        ok = ok && require(!placeFirst || (!ops.empty() && ops[0].op == Op::setBackdrop),
                           "the change of place comes first");
        for (std::size_t i = placeFirst ? 1 : 0; i < ops.size(); ++i) {
            const Operation& o = ops[i];
            if (o.op == Op::setLine)
                ++lines;
            else if (o.op == Op::setPortrait)
                ok = ok && require(lines == 0, "a new face comes before the line");
            else
                ok = ok && require(lines == 1, "pictures, sounds and music come after the line");
        }
        ok = ok && require(lines == 1, "every step says exactly one line");
    }
    return ok;
}

constexpr bool ordinaryStepForm(const SceneScript& s) { return ordinaryStepFormMovingAt(s, 0); }
// Where a scene's steps do something, as runs of step numbers: a step inside
// one of the runs must do it, a step outside every run must not.
struct StepRun {
    int first, last;
};

constexpr bool inRuns(int k, std::initializer_list<StepRun> runs) {
    for (const StepRun& r : runs)
        if (within(k, r.first, r.last)) return true;
    return false;
}

template <class Does>
constexpr bool stepsWhere(const SceneScript& s, std::initializer_list<StepRun> runs, Does does,
                          const char* what) {
    bool ok = true;
    for (int k = 1; k <= s.stepCount; ++k) ok = ok && require(does(s.step(k)) == inRuns(k, runs), what);
    return ok;
}

// The steps that perform `op`.
constexpr bool stepsDoing(const SceneScript& s, Op op, std::initializer_list<StepRun> runs) {
    return stepsWhere(
        s, runs,
        [op](std::span<const Operation> ops) {
            return std::any_of(ops.begin(), ops.end(), [op](const Operation& o) { return o.op == op; });
        },
        "an operation at a step it does not belong to, or missing from one");
}

// The steps that show a line of their own (an empty line clears, it says nothing).
constexpr bool stepsSaying(const SceneScript& s, std::initializer_list<StepRun> runs) {
    return stepsWhere(
        s, runs,
        [](std::span<const Operation> ops) {
            return std::any_of(ops.begin(), ops.end(), [](const Operation& o) {
                return o.op == Op::setLine && (!o.text.empty() || o.namesHero);
            });
        },
        "a line at a step that is silent, or missing from one");
}

// The steps that do nothing at all.
constexpr bool stepsEmpty(const SceneScript& s, std::initializer_list<StepRun> runs) {
    return stepsWhere(
        s, runs, [](std::span<const Operation> ops) { return ops.empty(); },
        "an empty step that does something, or a step left empty");
}

}  // namespace cutscenes
