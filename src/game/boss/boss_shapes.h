#pragma once
// Shapes the boss level's scripts share: the line tests of the lasers,
// switching a collider off and on, and sprite-sheet settings.

#include <cstdint>
#include <string>
#include <vector>

#include "api/maths.h"
#include "api/object_ref.h"

namespace Engine {
class GameObj;
}

namespace boss {

constexpr int32_t kMaxOrbs = 5;
constexpr int32_t kBossHealth = 6000;

// Whether the segment from `origin` along the unit direction `direction`, `length`
// long and swept by a box of `extent` (width, height), touches the object's
// collider box. An object without a collider is never touched. Exact on the box's
// edges and for axis-parallel directions (no division by a zero component).
bool SegmentTouches(const Engine::GameObj* object, Engine::vec2 origin, Engine::vec2 direction, float length,
                    Engine::vec2 extent);
// The birds ("Player", "Player2") that such a segment touches, in that order.
std::vector<Engine::GameObj*> BirdsOnSegment(Engine::vec2 origin, Engine::vec2 direction, float length,
                                             Engine::vec2 extent);

// Takes the collider away (the object no longer touches anything) and gives back
// its size, for SwitchColliderOn.
Engine::vec2 SwitchColliderOff(Engine::GameObj* object);
// Gives the object a collider of `size` again (none is added twice).
void SwitchColliderOn(Engine::GameObj* object, Engine::vec2 size);

// Shows cells first..last of the sprite sheet, one every `frameTime` seconds.
void SheetFrames(Engine::GameObj* object, uint32_t first, uint32_t last, float frameTime);
void SetAnimating(Engine::GameObj* object, bool playing);
// White with the given alpha (0..255, clamped).
uint32_t WhiteAlpha(float alpha);

}  // namespace boss
