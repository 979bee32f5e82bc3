#include "game/foodcourt/level2_bird.h"

#include "api/bodies.h"
#include "api/script_api.h"
#include "game/foodcourt/food_court.h"
#include "game/foodcourt/food_scrap_behaviour.h"

void Level2BirdBehaviour::Init() {
    score = 0;
    scrapsEaten = 0;
    fullTimer = kDigestTime;
    full = false;
    if (const Engine::RigidBody* body = api::Body(owner)) baseMass = body->mass;
    scoreLabel = api::Find(LabelName());
}

void Level2BirdBehaviour::Update(float dt) {
    api::SetText(scoreLabel.Get(), Caption() + std::to_string(score));
    if (scrapsEaten > 0) {
        fullTimer -= dt;
        if (fullTimer < 0.0f) {
            --scrapsEaten;
            fullTimer = kDigestTime;
        }
    }
    // More than three can be eaten before one is digested: that bird is full too.
    full = scrapsEaten >= kFullAt;
    if (Engine::RigidBody* body = api::Body(owner)) body->mass = full ? baseMass * kFullMassFactor : baseMass;
}

void Level2BirdBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || other->name != FoodCourt::kScrap.c_str()) return;
    auto* scrap = api::ScriptOf<FoodScrapBehaviour>(other);
    if (scrap && scrap->eaten) return;
    if (scrap) scrap->eaten = true;
    score += kPointsPerScrap;
    ++scrapsEaten;
    api::Destroy(other);
}

void Level2BirdBehaviour::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(score);
    hasher.Value(scrapsEaten);
    hasher.Value(fullTimer);
    hasher.Flag(full);
}
