// Stage 1000, the ending: a farewell in town, the narration, the epilogues, a
// year later the orphanage, and a closing line that waits for a key. Closing
// the screen changes nothing: the map's script ends the game.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {

// One line each, over the backdrop, while no one speaks.
const std::array<std::string_view, 9> kNarration = {
    "The battle in the volcano was over.",
    "The Demon armies were broken at last,",
    "and the Great Guardian would never wake.",
    "The Demons who were left asked for peace.",
    "Humans and Mystic Demons had fought side by side,",
    "and many brave soldiers never came home.",
    "A brother and a sister, lost to each other so long,",
    "had found each other, and friends for life.",
    "Now, at last, there was time to rest.",
};

namespace {

using namespace face;

// Sprite slots: 0 Myst, 1 Sonia, 2 the hero, 3 Darwin, 6 Jack, 7 Chi, 8 Bree,
// 9 Ryu; slot 5 stays empty, so clearing leaves blank pictures.
constexpr Operation kSetUp[] = {
    setBackdrop(12),
    setPortrait(Hero),
    setLine("..."),
    setSprite(2, 9),
    setSprite(3, 1),
    setSprite(0, 12),
    setSprite(8, 10),
    setSprite(7, 3),
    setSprite(1, 6),
    setSprite(6, 7),
    setSprite(9, 5),
    playTrack(4),
};

constexpr SceneScript kScenes[] = {{kEndingStage, kEndingLastStep, kSetUp, {}, {}}};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> endingScene() { return kScenes; }

}  // namespace cutscenes
