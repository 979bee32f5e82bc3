#pragma once
// What the food court's scripts share: the names of its objects and archetypes,
// and the small measures the customers and the birds use.

#include <cstdint>

#include "api/script_api.h"

namespace FoodCourt {

extern const api::ObjectName kPlayer;
extern const api::ObjectName kPlayer2;
extern const api::ObjectName kBottomBorder;
extern const api::ObjectName kScrap;
extern const api::ObjectName kHumanCustomer;
extern const api::ArchetypeName kScrapArchetype;
extern const api::ArchetypeName kFoodArchetype;
extern const api::ArchetypeName kCustomerArchetype;

// An object's width on screen: the size of its x scale, whichever way it faces.
float Width(const api::GameObj* object);
float Height(const api::GameObj* object);

// Whether `a` has reached `b`: their centres are closer than half the sum of
// their widths, less `margin`. False when either is missing.
bool Reaches(const api::GameObj* a, const api::GameObj* b, float margin = 0.0f);

// Mirrors the sprite: negates the x scale.
void Mirror(api::GameObj* object);

// Puts the object on render layer `layer`: its transform's layer and the depth
// its sprite is drawn at, re-sorting the layers when the depth changed.
void SetRenderLayer(api::GameObj* object, int32_t layer);

// Lifts the object so that its sprite stands on top of `floor`'s collider
// (never lowers it). Contacts arrive a step late, so a falling object has
// always sunk a little, and more the longer the frames are.
void RestOn(api::GameObj* object, const api::GameObj* floor);

// Whether the object is one of the two birds.
bool IsBird(const api::GameObj* object);

}  // namespace FoodCourt
