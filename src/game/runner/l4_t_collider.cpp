#include "game/runner/l4_t_collider.h"

REGISTER_SCRIPT("L4TCollider", L4TCollider);

namespace {
const api::ObjectName kB1{"B1"};
}

void L4TCollider::Update(float) {
    if (!touched) return;
    if (Engine::GameObj* target = b1.Get()) api::SetRotation(target, api::Rotation(target) + 10.0f);
}

void L4TCollider::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || other->name != kB1.c_str()) return;
    touched = true;
    b1 = other;
}
