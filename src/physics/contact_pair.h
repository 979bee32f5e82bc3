#pragma once

#include <cstdint>

namespace Engine {

class Collider;
class RigidBody;

// A contact between two dynamic bodies, found by the collide pass and resolved
// after it. The physics system keeps a fixed pool of them.
struct ContactPair {
    Collider* a = nullptr;
    Collider* b = nullptr;
    RigidBody* bodyA = nullptr;
    RigidBody* bodyB = nullptr;
    bool used = false;
    int32_t sides = 0;  // side bits of a against b
    float time = 0.0f;  // entry time of the sweep; kept for inspection only
};

}  // namespace Engine
