#pragma once
// A story scene held as data: what the screen shows before the first tick,
// the operations of each step, and what closing the screen does to the game.
// One interpreter (frmCutscene::perform) runs all three.
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace cutscenes {

enum class Op : std::uint8_t {
    setPortrait,      // a: face
    clearPortrait,    // the face takes sprite slot 5's (empty) picture
    hidePortrait,
    setLine,          // text [, hero's name, afterName]
    setBackdrop,      // a: backdrop
    setSprite,        // a: slot, b: character picture
    hideSprite,       // a: slot
    moveSprite,       // a: slot, b: twips to the right
    clearSprites,
    showNarration,
    hideNarration,
    playTrack,        // a: music track
    playSound,        // a: sound effect
    jumpStep,         // a: the step counter's new value
    jumpStepUnlessHardcore,
    refillParty,
    endScene,
    // After-effects only.
    moveHero,         // a: column, b: row
    companionJoins,   // a: companion id
};

struct Operation {
    Op op{};
    std::int16_t a = 0;
    std::int16_t b = 0;
    std::string_view text;       // the line, or its piece before the hero's name
    std::string_view afterName;  // the piece after the hero's name
    bool namesHero = false;
};

constexpr Operation operation(Op op, int a = 0, int b = 0) {
    Operation o;
    o.op = op;
    o.a = std::int16_t(a);
    o.b = std::int16_t(b);
    return o;
}

constexpr Operation setPortrait(int face) { return operation(Op::setPortrait, face); }
constexpr Operation clearPortrait() { return operation(Op::clearPortrait); }
constexpr Operation hidePortrait() { return operation(Op::hidePortrait); }
constexpr Operation setLine(std::string_view text) {
    Operation o = operation(Op::setLine);
    o.text = text;
    return o;
}
// The hero's name is read when the step runs, not when the scene loads.
constexpr Operation setLineNaming(std::string_view before, std::string_view after) {
    Operation o = setLine(before);
    o.afterName = after;
    o.namesHero = true;
    return o;
}
constexpr Operation setBackdrop(int backdrop) { return operation(Op::setBackdrop, backdrop); }
constexpr Operation setSprite(int slot, int picture) {
    return operation(Op::setSprite, slot, picture);
}
constexpr Operation hideSprite(int slot) { return operation(Op::hideSprite, slot); }
constexpr Operation moveSprite(int slot, int dx) { return operation(Op::moveSprite, slot, dx); }
constexpr Operation clearSprites() { return operation(Op::clearSprites); }
constexpr Operation showNarration() { return operation(Op::showNarration); }
constexpr Operation hideNarration() { return operation(Op::hideNarration); }
constexpr Operation playTrack(int track) { return operation(Op::playTrack, track); }
constexpr Operation playSound(int sound) { return operation(Op::playSound, sound); }
constexpr Operation jumpStep(int step) { return operation(Op::jumpStep, step); }
constexpr Operation jumpStepUnlessHardcore(int step) {
    return operation(Op::jumpStepUnlessHardcore, step);
}
constexpr Operation refillParty() { return operation(Op::refillParty); }
constexpr Operation endScene() { return operation(Op::endScene); }
constexpr Operation moveHero(int column, int row) { return operation(Op::moveHero, column, row); }
constexpr Operation companionJoins(int id) { return operation(Op::companionJoins, id); }

// One step: its number and its operations in the order they run.
struct SceneStep {
    static constexpr std::size_t kMaxOps = 8;

    template <std::same_as<Operation>... Ops>
        requires(sizeof...(Ops) <= kMaxOps)
    constexpr SceneStep(int number, Ops... ops)
        : number(number), count(sizeof...(Ops)), ops_{ops...} {}

    int number;
    std::size_t count;

    constexpr std::span<const Operation> operations() const { return {ops_.data(), count}; }

private:
    std::array<Operation, kMaxOps> ops_;
};

struct SceneScript {
    std::int16_t stage;  // the storyStage that selects the scene
    int stepCount;       // N
    std::span<const Operation> setUp;
    std::span<const SceneStep> steps;  // in ascending step order
    std::span<const Operation> afterEffects;

    // The operations of step k; empty when the scene lists no such step.
    constexpr std::span<const Operation> step(int k) const {
        std::size_t lo = 0, hi = steps.size();
        while (lo < hi) {
            std::size_t mid = (lo + hi) / 2;
            if (steps[mid].number < k)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo < steps.size() && steps[lo].number == k) return steps[lo].operations();
        return {};
    }
};

// Faces of the story's speakers in the picture store's img array; a
// companion's face is its allyId.
namespace face {
constexpr int Ryu = 12, Monk = 13, Chi = 14, Sonia = 21, Tina = 27, Maurice = 28, Bree = 30,
              Father = 42, Myst = 47, Jack = 51, Hero = 54, Darwin = 59;
}

// The ending waits for a key from its last step on and never closes itself.
constexpr std::int16_t kEndingStage = 1000;
constexpr int kEndingLastStep = 144;

}  // namespace cutscenes
