#pragma once

#include <memory>

#include "core/maths.h"

namespace Engine {

class Collider;

// Something a registered collider carries along with it (the debug outline): made
// when the collider files itself with the physics system, placed on the collider's
// box every step, dropped with the collider. The physics folder does not know
// what it is; the wiring gives the physics system the maker.
class ColliderDecoration {
public:
    virtual ~ColliderDecoration() = default;
    // `box` is min x, min y, max x, max y.
    virtual void Place(const vec4& box) = 0;
};

using ColliderDecorator = std::unique_ptr<ColliderDecoration> (*)(const Collider& collider);

}  // namespace Engine
