#include "api/camera_view.h"

#include <cmath>

#include "graphics/camera.h"
#include "logic/game_logic.h"

namespace api {

Engine::vec3 CameraPosition() {
    const Engine::graphics::Camera* camera = Engine::graphics::Camera::main;
    return camera ? camera->Position() : Engine::vec3(0.0f, 0.0f, 1.0f);
}

void SetCameraPosition(Engine::vec3 position) {
    if (!std::isfinite(position.x) || !std::isfinite(position.y) || !std::isfinite(position.z)) return;
    if (Engine::graphics::Camera* camera = Engine::graphics::Camera::main) camera->SetPosition(position);
}

float CameraZoom() {
    const Engine::graphics::Camera* camera = Engine::graphics::Camera::main;
    return camera ? camera->zoom : 1.0f;
}

void SetCameraZoom(float zoom) {
    if (!std::isfinite(zoom) || zoom <= 0.0f) return;
    if (Engine::graphics::Camera* camera = Engine::graphics::Camera::main) camera->SetZoom(zoom);
}

void ResetCamera() {
    if (Engine::graphics::Camera* camera = Engine::graphics::Camera::main) camera->ResetView();
    Engine::GameLogic* logic = Engine::GameLogic::instance;
    if (Engine::graphics::CameraShake* shake = logic ? logic->cameraShake.get() : nullptr) {
        shake->forward = true;
        shake->needsBase = true;
        shake->frameCount = 0;
        shake->elapsed = 0.0f;
    }
}

}  // namespace api
