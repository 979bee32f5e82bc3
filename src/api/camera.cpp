#include "api/camera.h"

#include <cmath>

#include "graphics/camera.h"
#include "logic/game_logic.h"

namespace api {

namespace {
Engine::graphics::Camera* Main() { return Engine::graphics::Camera::main; }
}  // namespace

Engine::vec3 CameraPosition() {
    const Engine::graphics::Camera* camera = Main();
    return camera ? camera->Position() : Engine::vec3(0.0f, 0.0f, 1.0f);
}

void SetCameraPosition(Engine::vec3 position) {
    if (Engine::graphics::Camera* camera = Main())
        if (std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z))
            camera->SetPosition(position);
}

float CameraZoom() {
    const Engine::graphics::Camera* camera = Main();
    return camera ? camera->zoom : 1.0f;
}

void SetCameraZoom(float zoom) {
    if (Engine::graphics::Camera* camera = Main())
        if (std::isfinite(zoom) && zoom > 0.0f) camera->SetZoom(zoom);
}

void ResetCamera() {
    if (Engine::graphics::Camera* camera = Main()) camera->ResetView();
    // A shake in progress is forgotten, so the next one starts from the resting view.
    Engine::GameLogic* logic = Engine::GameLogic::instance;
    if (Engine::graphics::CameraShake* shake = logic ? logic->cameraShake.get() : nullptr) {
        shake->forward = true;
        shake->needsBase = true;
        shake->frameCount = 0;
        shake->elapsed = 0.0f;
    }
}

}  // namespace api
