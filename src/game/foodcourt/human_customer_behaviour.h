#pragma once
// A food-court customer. It walks in from the right to the table the spawner
// gave it, sits a while, queues at the stall, orders, carries its food back,
// eats it while dropping three scraps for the birds, and walks off to the right,
// leaving the plate to fade away. A bird that walks into it stops it; a bird
// that keeps pushing it for more than three seconds dies.

#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class HumanCustomerBehaviour : public Engine::ScriptBase<HumanCustomerBehaviour> {
public:
    using ScriptBase::ScriptBase;

    enum State : int32_t {
        kWalkToTable = 1,
        kSit = 2,
        kGoToStall = 3,
        kQueue = 4,
        kOrder = 5,
        kCarryFood = 6,
        kEat = 7,
        kLeave = 8,
        kBumped = 9,
    };

    static constexpr float kWalkSpeed = 3.0f;
    static constexpr int32_t kScrapLimit = 3;
    static constexpr float kScrapInterval = 3.0f;
    static constexpr float kFadeTime = 3.0f;
    // Seconds of contact after which a pushing bird dies.
    static constexpr float kBumpLimit = 3.0f;
    // A pushing bird further than this from the customer no longer holds it up.
    static constexpr float kBumpReach = 2.0f;
    static constexpr int32_t kScrapLayer = 10;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;
    void OnCollisionExit(Engine::GameObj* other) override;

    int32_t state = kWalkToTable;
    int32_t previousState = kWalkToTable;
    api::ObjectRef blocker;
    api::ObjectRef bumper;
    float timer = 0.0f;
    int32_t scrapsDropped = 0;
    api::ObjectRef table;
    api::ObjectRef stall;
    api::ObjectRef food;
    bool landed = false;
    float bumpTimer = 0.0f;
    float fadeTimer = kFadeTime;
    // Which of the two looks the customer wears (1 or 2), given by the spawner.
    int32_t look = 1;

private:
    void WalkToTable();
    void Sit(float dt);
    void GoToStall();
    void Order(float dt);
    void CarryFood();
    void Eat(float dt);
    void Leave(float dt);
    void Bumped();
    void DropScrap(int r);
    void Stop();
    // Walks along x towards `target` at the walking speed, keeping y still.
    void WalkTowards(const Engine::GameObj* target);
    void MaybeQueueBehind(Engine::GameObj* other);
    // Goes back to what it did before a bird held it up.
    void Resume();
    // Shows the look's walking, carrying or standing sheet for the state.
    void Pose();

    float lastDt_ = 0.0f;
    const char* pose_ = nullptr;
};
