#include "graphics/camera.h"

namespace Engine::graphics {

float worldWidth = 32.0f;
float worldHeight = 18.0f;
Camera* Camera::main = nullptr;

Camera::Camera(const vec3& position_, float zoom_)
    : GameObj(0, 4.0f, 4.0f, 0.0f, "", "Default", position_.x, position_.y), position(position_), zoom(zoom_) {
    if (!main) main = this;
}

Camera::~Camera() {
    if (main == this) main = nullptr;
}

}  // namespace Engine::graphics
