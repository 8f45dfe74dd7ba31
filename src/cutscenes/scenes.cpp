#include "cutscenes/scenes.h"

namespace cutscenes {

const SceneScript* findScene(std::int16_t stage) {
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group())
            if (scene.stage == stage) return &scene;
    return nullptr;
}

}  // namespace cutscenes
