#pragma once

#include "core/maths.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

// The size of the world the camera shows at zoom 1, in world units.
extern float worldWidth;
extern float worldHeight;

// The main camera: a game object whose position and zoom set the view.
class Camera : public GameObj {
public:
    Camera(const vec3& position, float zoom);
    ~Camera() override;

    void SetPosition(const vec3& p) { position = p; }
    void SetZoom(float z) { zoom = z; }

    static Camera* main;

    vec3 position;
    float zoom = 1.0f;
};

}  // namespace Engine::graphics
