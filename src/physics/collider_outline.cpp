#include "physics/collider_outline.h"

#include "physics/collider.h"

namespace Engine {

// Outlines need the renderer's grid layer; until it exists a collider has none.
void AddColliderOutline(Collider*) {}
void PlaceColliderOutline(Collider*) {}
void RemoveColliderOutline(Collider* collider) { collider->outline.clear(); }

}  // namespace Engine
