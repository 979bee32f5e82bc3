#pragma once
// A scrap of food a customer dropped: it falls through everything to the floor,
// lies there for five seconds and is gone. A bird that eats it marks it eaten,
// so the other bird cannot eat the same scrap in the same moment.

#include "api/script.h"

class FoodScrapBehaviour : public Engine::ScriptBase<FoodScrapBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kLife = 5.0f;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    bool landed = false;
    float life = kLife;
    bool eaten = false;
};
