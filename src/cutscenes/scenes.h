#pragma once
// Every story scene, by the storyStage that selects it. Each group of scenes
// lives in its own file beside its compile-time checks.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "cutscenes/scene_model.h"

namespace cutscenes {

std::span<const SceneScript> openingScene();
std::span<const SceneScript> scenes68To203();
std::span<const SceneScript> scenes259To373();
std::span<const SceneScript> scenes417To546();
std::span<const SceneScript> scenes648To800();
std::span<const SceneScript> reunionScene();
std::span<const SceneScript> endingScene();

inline constexpr std::array kSceneGroups{openingScene,   scenes68To203,  scenes259To373,
                                         scenes417To546, scenes648To800, reunionScene,
                                         endingScene};

// The scene of a stage, or nullptr when the stage has none.
const SceneScript* findScene(std::int16_t stage);

// The captions of the ending's nine narration labels, top to bottom.
extern const std::array<std::string_view, 9> kNarration;

}  // namespace cutscenes
