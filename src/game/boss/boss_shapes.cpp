#include "game/boss/boss_shapes.h"

#include <algorithm>
#include <cmath>

#include "api/bodies.h"
#include "api/drawing.h"
#include "api/script_api.h"

namespace boss {

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};

// The parameter range [t0, t1] of origin + t * d inside lo..hi on one axis;
// false when the line misses the slab. A zero component is tested as a point.
bool Slab(float origin, float d, float lo, float hi, float& t0, float& t1) {
    if (d == 0.0f) return origin >= lo && origin <= hi;
    float a = (lo - origin) / d;
    float b = (hi - origin) / d;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
}
}  // namespace

bool SegmentTouches(const Engine::GameObj* object, Engine::vec2 origin, Engine::vec2 direction, float length,
                    Engine::vec2 extent) {
    const Engine::Collider* collider = object ? object->GetCollider() : nullptr;
    if (!collider || !std::isfinite(origin.x) || !std::isfinite(origin.y)) return false;
    // The box of the collider grown by half the swept box, against the bare segment.
    const Engine::vec2 p = api::Position(object);
    const float halfW = collider->width / 2.0f + extent.x / 2.0f;
    const float halfH = collider->height / 2.0f + extent.y / 2.0f;
    const Engine::vec2 d = api::Normalized(direction) * length;
    float t0 = 0.0f;
    float t1 = 1.0f;
    return Slab(origin.x, d.x, p.x - halfW, p.x + halfW, t0, t1) &&
           Slab(origin.y, d.y, p.y - halfH, p.y + halfH, t0, t1);
}

std::vector<Engine::GameObj*> BirdsOnSegment(Engine::vec2 origin, Engine::vec2 direction, float length,
                                             Engine::vec2 extent) {
    std::vector<Engine::GameObj*> found;
    for (const char* name : {kPlayer1.c_str(), kPlayer2.c_str()}) {
        Engine::GameObj* bird = api::Find(name);
        if (SegmentTouches(bird, origin, direction, length, extent)) found.push_back(bird);
    }
    return found;
}

Engine::vec2 SwitchColliderOff(Engine::GameObj* object) {
    Engine::Collider* collider = api::ColliderOf(object);
    if (!collider) return {0.0f, 0.0f};
    const Engine::vec2 size{collider->width, collider->height};
    object->RemoveCollider();
    return size;
}

void SwitchColliderOn(Engine::GameObj* object, Engine::vec2 size) {
    if (!object || api::ColliderOf(object)) return;
    api::AddCollider(object);
    if (size.x > 0.0f && size.y > 0.0f) api::SetColliderSize(object, size.x, size.y);
}

void SheetFrames(Engine::GameObj* object, uint32_t first, uint32_t last, float frameTime) {
    if (!object) return;
    if (Engine::graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetFrame(first, last);
    if (Engine::graphics::Animator* animator = object->GetAnimator()) animator->frameTime = frameTime;
}

void SetAnimating(Engine::GameObj* object, bool playing) {
    if (Engine::graphics::Animator* animator = api::AnimatorOf(object)) animator->playing = playing;
}

uint32_t WhiteAlpha(float alpha) {
    const float clamped = std::clamp(std::isfinite(alpha) ? alpha : 0.0f, 0.0f, 255.0f);
    return (static_cast<uint32_t>(clamped) << 24) | 0x00FFFFFFu;
}

}  // namespace boss
