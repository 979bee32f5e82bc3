#pragma once
// The debug outline a registered collider carries: four red edges and a centre
// marker in the graphics system's overlay layer (which is never drawn), placed
// along the collider's box every step and dropped with the collider. The physics
// system makes one for every collider it files, through this maker.

#include <memory>

#include "physics/collider_decoration.h"

namespace Engine {

std::unique_ptr<ColliderDecoration> MakeColliderOutline(const Collider& collider);

}  // namespace Engine
