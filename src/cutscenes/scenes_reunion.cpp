// Stage 896, the reunion: after the battle in the volcano the companions
// gather in town, Ryu comes back, the hero resolves to go after Maurice, and
// the party is healed before she picks a companion.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Sprite slots: 0 Myst, 1 Sonia, 2 the hero, 3 Darwin, 6 Jack, 7 Chi, 8 Bree.
constexpr Operation kSetUp[] = {
    setBackdrop(12),
    setPortrait(Sonia),
    setLine("Is everyone here? Let me count... Jack, Darwin, Bree, Chi, Myst..."),
    setSprite(2, 9),
    setSprite(3, 1),
    setSprite(0, 12),
    setSprite(8, 10),
    setSprite(7, 3),
    setSprite(1, 6),
    setSprite(6, 7),
    playTrack(4),
};
constexpr SceneStep kSteps[] = {
    {64, endScene()},
};
constexpr Operation kAfterEffects[] = {playTrack(19)};

constexpr SceneScript kScenes[] = {{896, 64, kSetUp, kSteps, kAfterEffects}};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> reunionScene() { return kScenes; }

}  // namespace cutscenes
