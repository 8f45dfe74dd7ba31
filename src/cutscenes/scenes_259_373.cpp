// Stages 259 to 373: Tina's betrayal comes to light, Ryu's father dies, Ryu
// meets Sonia and Jack again, the hero meets her brother, and the allies plan
// their campaign while Maurice pursues his own.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 259: Tina reports to Maurice.
constexpr Operation kSetUp259[] = {
    setBackdrop(8),
    setPortrait(Maurice),
    setLine("You kept me waiting, Tina. I hope what you bring me is worth it."),
    setSprite(3, 8),
    setSprite(1, 0),
    playTrack(12),
};
constexpr SceneStep kSteps259[] = {
    {16, endScene()},
};
constexpr Operation kAfter259[] = {playTrack(14)};

// Stage 313: the death of Ryu's father.
constexpr Operation kSetUp313[] = {
    setBackdrop(12),
    setPortrait(Father),
    setLine("So this is how it ends... alone, among the ashes of my own camp."),
    setSprite(3, 2),
    playTrack(5),
};
constexpr SceneStep kSteps313[] = {
    {8, endScene()},
};
constexpr Operation kAfter313[] = {playTrack(9)};

// Stage 320: Ryu, Sonia and Jack regroup.
constexpr Operation kSetUp320[] = {
    setBackdrop(3),
    setPortrait(Ryu),
    setLine("Sonia! I didn't think I'd see you again so soon. And who is this with you?"),
    setSprite(6, 7),
    setSprite(7, 6),
    setSprite(2, 5),
    playTrack(5),
};
constexpr SceneStep kSteps320[] = {
    {20, endScene()},
};
constexpr Operation kAfter320[] = {playTrack(18)};

// Stage 340: Maurice learns of the escape.
constexpr Operation kSetUp340[] = {
    setBackdrop(0),
    setPortrait(Maurice),
    setLine("Escaped? All of them? Out of the best guarded cells on this continent?"),
    setSprite(7, 0),
    setSprite(3, 8),
    playTrack(5),
};
constexpr SceneStep kSteps340[] = {
    {8, endScene()},
};
constexpr Operation kAfter340[] = {playTrack(18)};

// Stage 344: brother and sister; the council at the palace. Ryu joins.
constexpr Operation kSetUp344[] = {
    setBackdrop(5),
    setPortrait(Hero),
    setLine("So you're Ryu... Sonia told me everything on the way here. I don't know what to say."),
    setSprite(1, 4),
    setSprite(6, 6),
    setSprite(7, 7),
    setSprite(3, 1),
    setSprite(2, 9),
    playTrack(4),
};
constexpr SceneStep kSteps344[] = {
    {51, endScene()},
};
// The music comes first, then Ryu joins.
constexpr Operation kAfter344[] = {playTrack(18), companionJoins(Ryu)};

// Stage 373: Maurice alone.
constexpr Operation kSetUp373[] = {
    setBackdrop(12),
    setPortrait(Maurice),
    setLine("Empty streets, empty houses. Tina does thorough work, I'll grant her that."),
    setSprite(7, 0),
    playTrack(5),
};
constexpr SceneStep kSteps373[] = {
    {15, endScene()},
};
constexpr Operation kAfter373[] = {playTrack(9)};

constexpr SceneScript kScenes[] = {
    {259, 16, kSetUp259, kSteps259, kAfter259},
    {313, 8, kSetUp313, kSteps313, kAfter313},
    {320, 20, kSetUp320, kSteps320, kAfter320},
    {340, 8, kSetUp340, kSteps340, kAfter340},
    {344, 51, kSetUp344, kSteps344, kAfter344},
    {373, 15, kSetUp373, kSteps373, kAfter373},
};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> scenes259To373() { return kScenes; }

}  // namespace cutscenes
