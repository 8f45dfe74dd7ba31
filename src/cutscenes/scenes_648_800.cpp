// Stages 648 to 800: the elder brother's plan, the attack on the volcano,
// Sonia's account to Ryu, and the alarm outside the volcano.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 648: the elder brother's plan.
constexpr Operation kSetUp648[] = {
    setBackdrop(0),
    setPortrait(Maurice),
    setLine("The poison on my blade has never failed me. Ryu should be dying by now, if he isn't dead."),
    setSprite(7, 0),
    playTrack(12),
};
constexpr SceneStep kSteps648[] = {
    {17, endScene()},
};
constexpr Operation kAfter648[] = {playTrack(17)};

// Stage 700: the armies attack the volcano.
constexpr Operation kSetUp700[] = {
    setBackdrop(11),
    setPortrait(Darwin),
    setLine("Feel that heat, Jack? Your men wouldn't last an hour in there without our protection."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(16),
};
constexpr SceneStep kSteps700[] = {
    {18, endScene()},
};
constexpr Operation kAfter700[] = {playTrack(14)};

// Stage 738: Sonia tells Ryu the truth.
constexpr Operation kSetUp738[] = {
    setBackdrop(11),
    setPortrait(Ryu),
    setLine("Sonia! Sonia, can you hear me? Come on, say something!"),
    setSprite(2, 5),
    setSprite(7, 6),
    playTrack(16),
};
constexpr SceneStep kSteps738[] = {
    {38, endScene()},
};
constexpr Operation kAfter738[] = {playTrack(17)};

// Stage 800: the alarm outside the volcano.
constexpr Operation kSetUp800[] = {
    setBackdrop(11),
    setPortrait(Myst),
    setLine("Chi, wait. Do you feel that? Something is coming toward us from outside."),
    setSprite(2, 12),
    setSprite(7, 3),
    playTrack(16),
};
constexpr SceneStep kSteps800[] = {
    {18, endScene()},
};
constexpr Operation kAfter800[] = {playTrack(25)};

constexpr SceneScript kScenes[] = {
    {648, 17, kSetUp648, kSteps648, kAfter648},
    {700, 18, kSetUp700, kSteps700, kAfter700},
    {738, 38, kSetUp738, kSteps738, kAfter738},
    {800, 18, kSetUp800, kSteps800, kAfter800},
};

static_assert(allWellFormed(kScenes));

}  // namespace

std::span<const SceneScript> scenes648To800() { return kScenes; }

}  // namespace cutscenes
