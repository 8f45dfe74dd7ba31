// Stages 68 to 203: Ryu and Sonia look for the Holy Chapel, Ryu's father and
// Tina face the first Demon attacks, the hero mourns Sofi and meets Sonia,
// and Ryu learns how the Zephyrs may be summoned.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 68: Ryu on his way; Sonia catches up.
constexpr Operation kSetUp68[] = {
    setBackdrop(3),
    setPortrait(Ryu),
    setLine("So this is the other continent. Strange roads, strange forests... where do I even start?"),
    setSprite(1, 4),
    playTrack(5),
};
constexpr SceneStep kSteps68[] = {
    {16, endScene()},
};
constexpr Operation kAfter68[] = {playTrack(1)};

// Stage 121: Ryu's father and Tina weigh the Demon attacks.
constexpr Operation kSetUp121[] = {
    setBackdrop(12),
    setPortrait(Father),
    setLine("Another village struck in the night, Tina? Tell me how many of them there were this time."),
    setSprite(0, 8),
    setSprite(3, 2),
    playTrack(5),
};
constexpr SceneStep kSteps121[] = {
    {21, endScene()},
};
constexpr Operation kAfter121[] = {playTrack(0)};

// Stage 166: Ryu and Sonia part; Jack joins the hero.
constexpr Operation kSetUp166[] = {
    setBackdrop(1),
    setPortrait(Ryu),
    setLine("That forest must be the last one before the Holy Chapel. We're close now, Sonia."),
    setSprite(1, 4),
    setSprite(2, 11),
    playTrack(5),
};
constexpr SceneStep kSteps166[] = {
    {15, endScene()},
};
// The music comes last, after the hero is moved and Jack has joined.
constexpr Operation kAfter166[] = {moveHero(152, 130), companionJoins(Jack), playTrack(0)};

// Stage 190: the hero at the cliff; the last stand of Ryu's father.
constexpr Operation kSetUp190[] = {
    setBackdrop(6),
    setPortrait(Hero),
    setLine("..."),
    setSprite(4, 9),
};
constexpr SceneStep kSteps190[] = {
    {53, endScene()},
};
constexpr Operation kAfter190[] = {companionJoins(Sonia)};

// Stage 203: Ryu at the Holy Chapel.
constexpr Operation kSetUp203[] = {
    setBackdrop(2),
    setPortrait(Ryu),
    setLine("Excuse me, are you one of the monks here? I've crossed the sea to show you something."),
    setSprite(3, 5),
    setSprite(1, 3),
    playTrack(5),
};
constexpr SceneStep kSteps203[] = {
    {21, endScene()},
};
constexpr Operation kAfter203[] = {playTrack(0)};

constexpr SceneScript kScenes[] = {
    {68, 16, kSetUp68, kSteps68, kAfter68},
    {121, 21, kSetUp121, kSteps121, kAfter121},
    {166, 15, kSetUp166, kSteps166, kAfter166},
    {190, 53, kSetUp190, kSteps190, kAfter190},
    {203, 21, kSetUp203, kSteps203, kAfter203},
};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> scenes68To203() { return kScenes; }

}  // namespace cutscenes
