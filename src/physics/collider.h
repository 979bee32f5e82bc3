#pragma once

#include <memory>

#include "core/maths.h"
#include "objects/components.h"
#include "physics/collider_decoration.h"

namespace Engine {

class GameObj;
class RigidBody;

// An axis-aligned box centred on the owner's position.
class Collider : public Components {
public:
    static constexpr int32_t kKind = kColliderKind;

    Collider(vec2* position, RigidBody* body, GameObj* owner, float width, float height);
    ~Collider() override;

    Components* CopyInto(Components* target) override;
    // Refreshes the box and re-files a moved or resized static collider.
    void Update(float dt) override;
    void RefreshBox();

    vec2 previousPosition;
    vec2 previousSize;
    bool colliding = false;
    // The debug outline, while the collider is filed with the physics system.
    std::unique_ptr<ColliderDecoration> outline;
    GameObj* owner = nullptr;
    float width = 1.0f;
    float height = 1.0f;
    bool ghost = false;
    vec2* position = nullptr;
    RigidBody* body = nullptr;
    vec4 box;  // min x, min y, max x, max y
};

}  // namespace Engine
