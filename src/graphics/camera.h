#pragma once
// The main camera and the size of the world it shows.

#include "core/maths.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

// A game object named "Camera" whose view and projection feed the shaders.
class Camera : public GameObj {
public:
    // Starts with a world view of 32 x 18, publishes itself as the main camera,
    // then applies the zoom and the position.
    Camera(const vec3& position, float zoom);
    ~Camera() override;

    // Stores the position negated in `eye` and as the view translation.
    void SetPosition(const vec3& p);
    void SetZoom(float z);
    // Zoom 1 at (0, 0, 1).
    void ResetView();
    vec3 Position() const { return {-eye.x, -eye.y, eye.z}; }

    static Camera* main;

    // World units visible at zoom 1; the editor's wheel zoom changes them and every
    // level load sets them back.
    float worldWidth = kWorldWidth;
    float worldHeight = kWorldHeight;
    static constexpr float kWorldWidth = 32.0f;
    static constexpr float kWorldHeight = 18.0f;

    vec3 eye;
    mat4 view = mat4::identity();
    mat4 projection;
    float width = 1.0f;
    float height = 1.0f;
    float zoom = 0.0f;
    float baseWidth = 1.0f;
    float baseHeight = 1.0f;
};

// The main camera's world size, or 32 x 18 without a main camera.
vec2 WorldSize();

// Half the world area the renderer culls and clips against, from the main camera.
struct WorldView {
    float halfWidth;
    float halfHeight;
};
WorldView CurrentWorldView();

// Shakes the main camera back and forth; scripts call Shake every frame they want
// the screen to shake. The first one made is the current shake.
class CameraShake {
public:
    CameraShake();
    ~CameraShake();
    CameraShake(const CameraShake&) = delete;
    CameraShake& operator=(const CameraShake&) = delete;

    // Moves the camera by amount x dt per frame, reversing every period + 1 frames;
    // once more than `duration` seconds have been shaken the view is reset.
    void Shake(const vec3& amount, int32_t period, float duration, float dt);

    static CameraShake* current;

    bool forward = true;
    bool needsBase = true;
    int32_t frameCount = 0;
    float elapsed = 0.0f;
    vec3 currentPosition;
    vec3 base;
};

}  // namespace Engine::graphics
