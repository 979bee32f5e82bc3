#pragma once

namespace Engine {

class Collider;

// The debug outline a registered collider carries: made by the graphics system,
// placed along the box edges every step, dropped with the collider.
void AddColliderOutline(Collider* collider);
void PlaceColliderOutline(Collider* collider);
void RemoveColliderOutline(Collider* collider);

}  // namespace Engine
