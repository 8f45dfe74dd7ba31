// Stages 417 to 546: the road to the attack on the volcano.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 417: Sonia alone before the volcano; Tina's betrayal.
constexpr Operation kSetUp417[] = {
    setBackdrop(6),
    setPortrait(Sonia),
    setLine("There it is, the volcano. Somewhere inside that mountain beats the heart of the Demon army."),
    setSprite(5, 11),
};
constexpr SceneStep kSteps417[] = {
    {43, endScene()},
};

// Stage 424: the hero and Ryu in the abandoned town.
constexpr Operation kSetUp424[] = {
    setBackdrop(12),
    setPortrait(Ryu),
    setLine("Not a soul anywhere. Where did Tina and her Rogues go?"),
    setSprite(3, 9),
    setSprite(1, 4),
    playTrack(5),
};
constexpr SceneStep kSteps424[] = {
    {20, endScene()},
};
constexpr Operation kAfter424[] = {playTrack(19)};

// Stage 460: Jack and Darwin muster their armies.
constexpr Operation kSetUp460[] = {
    setBackdrop(5),
    setPortrait(Darwin),
    setLine("Still no word from Sonia. While we wait, let's count what we have, Jack."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(5),
};
constexpr SceneStep kSteps460[] = {
    {18, endScene()},
};
constexpr Operation kAfter460[] = {playTrack(17)};

// Stage 500: Tina's confession.
constexpr Operation kSetUp500[] = {
    setBackdrop(1),
    setPortrait(Tina),
    setLine("You want to know why, Sonia? Then listen, because I will only tell it once."),
    setSprite(3, 8),
};
constexpr SceneStep kSteps500[] = {
    {18, endScene()},
};

// Stage 546: the armies set out.
constexpr Operation kSetUp546[] = {
    setBackdrop(5),
    setPortrait(Darwin),
    setLine("We've waited long enough. Ryu, his sister and Sonia could still be days away."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(5),
};
constexpr SceneStep kSteps546[] = {
    {18, endScene()},
};
constexpr Operation kAfter546[] = {playTrack(23)};

constexpr SceneScript kScenes[] = {
    {417, 43, kSetUp417, kSteps417, {}},
    {424, 20, kSetUp424, kSteps424, kAfter424},
    {460, 18, kSetUp460, kSteps460, kAfter460},
    {500, 18, kSetUp500, kSteps500, {}},
    {546, 18, kSetUp546, kSteps546, kAfter546},
};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> scenes417To546() { return kScenes; }

}  // namespace cutscenes
