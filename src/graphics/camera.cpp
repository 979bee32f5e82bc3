#include "graphics/camera.h"

namespace Engine::graphics {

Camera* Camera::main = nullptr;
CameraShake* CameraShake::current = nullptr;

Camera::Camera(const vec3& position, float zoom_) : GameObj(0, 4.0f, 4.0f, 0.0f, "", "Default", 0.0f, 0.0f) {
    name = "Camera";
    projection.elements[0] = 2.0f;
    projection.elements[5] = 2.0f;
    projection.elements[10] = -1.0f;
    projection.elements[15] = 1.0f;
    main = this;
    SetZoom(zoom_);
    SetPosition(position);
    transform->scale = {4.0f, 4.0f};
}

Camera::~Camera() {
    if (main == this) main = nullptr;
}

void Camera::SetPosition(const vec3& p) {
    eye = {-p.x, -p.y, p.z};
    view = mat4::identity();
    view.elements[12] = -p.x;
    view.elements[13] = -p.y;
    view.elements[14] = p.z;
}

void Camera::SetZoom(float z) {
    zoom = z;
    width = baseWidth * z;
    height = baseHeight * z;
    projection = mat4();
    projection.elements[0] = 2.0f / width;
    projection.elements[5] = 2.0f / height;
    projection.elements[10] = -1.0f;
    projection.elements[15] = 1.0f;
}

void Camera::ResetView() {
    SetZoom(1.0f);
    SetPosition({0.0f, 0.0f, 1.0f});
}

vec2 WorldSize() {
    const Camera* camera = Camera::main;
    return camera ? vec2(camera->worldWidth, camera->worldHeight) : vec2(Camera::kWorldWidth, Camera::kWorldHeight);
}

WorldView CurrentWorldView() {
    const Camera* camera = Camera::main;
    const vec2 world = WorldSize();
    if (!camera || camera->zoom == 0.0f) return {0.5f * world.x, 0.5f * world.y};
    return {camera->width / camera->zoom * 0.5f * world.x, camera->height / camera->zoom * 0.5f * world.y};
}

CameraShake::CameraShake() {
    if (!current) current = this;
}

CameraShake::~CameraShake() {
    if (current == this) current = nullptr;
}

void CameraShake::Shake(const vec3& amount, int32_t period, float duration, float dt) {
    Camera* camera = Camera::main;
    if (!camera) return;
    if (needsBase) {
        base = currentPosition = camera->Position();
        needsBase = false;
    }
    const vec3 step = amount * dt;
    currentPosition = forward ? currentPosition + step : currentPosition - step;
    camera->SetPosition(currentPosition);
    frameCount += 1;
    if (frameCount > period) {
        forward = !forward;
        currentPosition = base;
        frameCount = 0;
    }
    elapsed += dt;
    if (elapsed > duration) {
        camera->ResetView();
        elapsed = 0.0f;
        needsBase = true;
    }
}

}  // namespace Engine::graphics
