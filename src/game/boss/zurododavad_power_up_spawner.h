#pragma once
// Sends three power bugs across the boss arena in shuffled lanes, one every 4 to
// 8 seconds from a random side: an ultimate bug, a laxative or an immunity. The
// bird that touches one gets its power-up; a bug that reaches the far side
// leaves play until its turn comes again.

#include <cstdint>
#include <vector>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"

class BugBehaviour;

class ZurododavadPowerUpSpawner : public Engine::ScriptBase<ZurododavadPowerUpSpawner> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kLeaveBeyond = 17.0f;

    void Init() override;
    void Update(float dt) override;

    int32_t direction = 1;
    int32_t bugCount = 3;
    int32_t nextBug = 0;
    float bugTimer = 0.0f;
    float bugInterval = 3.0f;
    std::vector<api::ObjectRef> bugs;
    std::vector<float> lanes;
    bool enabled = true;

private:
    void Shuffle();
    void Launch(Engine::GameObj* bug, BugBehaviour& script);
    // A bird touching an active bug takes its power-up; the bug leaves play.
    void PickUps(Engine::GameObj* bug, BugBehaviour& script);
    Engine::vec2 bugScale_{1.0f, 1.0f};
};
