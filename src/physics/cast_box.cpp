#include <algorithm>
#include <utility>

#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/physics_world.h"

namespace Engine {

namespace {

// Entry and exit parameters of a moving point through the slab lo..hi. A zero
// extent gives infinite parameters (or NaN on the slab's very edge), as IEEE says.
std::pair<float, float> SlabTimes(float lo, float hi, float origin, float extent) {
    float t0 = (lo - origin) / extent;
    float t1 = (hi - origin) / extent;
    if (t0 > t1) std::swap(t0, t1);
    return {t0, t1};
}

}  // namespace

std::vector<Collider*> Physics::CastBox(float originX, float originY, float width, float height, float length,
                                        float directionX, float directionY) const {
    const float halfWidth = width / 2;
    const float halfHeight = height / 2;
    const float extentX = originX + directionX * length - originX;
    const float extentY = originY + directionY * length - originY;
    std::vector<Collider*> hits;
    for (Collider* collider : world.colliders) {
        const vec4& b = collider->box;
        const auto [t0, t1] = SlabTimes(b.x - halfWidth, b.z + halfWidth, originX, extentX);
        if (t1 < 0.0f || t0 > 1.0f) continue;
        const float tMin = std::max(t0, 0.0f);
        const float tMax = std::min(t1, 1.0f);
        if (tMin > tMax) continue;
        const auto [u0, u1] = SlabTimes(b.y - halfHeight, b.w + halfHeight, originY, extentY);
        if (tMin > u1 || tMax < u0 || std::max(u0, tMin) > std::min(u1, tMax)) continue;
        hits.push_back(collider);
    }
    return hits;
}

}  // namespace Engine
