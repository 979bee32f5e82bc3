#pragma once
// A walking bug: walks one way for two seconds, then picks a direction again;
// turns back at the side bounds and faces where it walks.

#include <cstdint>

#include "api/script.h"

class HazardBug : public Engine::ScriptBase<HazardBug> {
public:
    explicit HazardBug(Engine::GameObj* owner = nullptr);
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    int32_t direction = 1;
    float timer = 0.0f;
};
