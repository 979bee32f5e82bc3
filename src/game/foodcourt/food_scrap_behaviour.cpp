#include "game/foodcourt/food_scrap_behaviour.h"

#include "api/bodies.h"
#include "api/script_api.h"
#include "game/foodcourt/food_court.h"

REGISTER_SCRIPT("FoodScrapBehaviour", FoodScrapBehaviour);

void FoodScrapBehaviour::Init() {
    if (Engine::Collider* collider = api::ColliderOf(owner)) collider->ghost = true;
    landed = false;
    life = kLife;
    eaten = false;
}

void FoodScrapBehaviour::Update(float dt) {
    // A scrap that never reaches the floor never goes away.
    if (!landed) return;
    life -= dt;
    if (life < 0.0f) api::Destroy(owner);
}

void FoodScrapBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (landed || !other || other->name != FoodCourt::kBottomBorder.c_str()) return;
    api::SetGravityScale(owner, 0.0f);
    api::SetVelocity(owner, {0.0f, 0.0f});
    landed = true;
    FoodCourt::RestOn(owner, other);
}
