#pragma once
// What both birds do in the food court: eat the scraps for points, show the
// score on their own label, and grow heavy when full. A full bird (three
// scraps not yet digested) weighs twice as much; one scrap is digested every
// five seconds. Player1Level2Behaviour and Player2Level2Behaviour differ only
// in their label and its caption.

#include <cstdint>
#include <string>

#include "api/object_ref.h"
#include "api/script.h"

class Level2BirdBehaviour : public Engine::Scripts, public Engine::HashedState {
public:
    static constexpr int32_t kPointsPerScrap = 10;
    static constexpr int32_t kFullAt = 3;
    static constexpr float kDigestTime = 5.0f;
    static constexpr float kFullMassFactor = 2.0f;

    explicit Level2BirdBehaviour(Engine::GameObj* owner_ = nullptr) : Scripts(owner_) {}

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    api::ObjectRef scoreLabel;
    int32_t score = 0;
    int32_t scrapsEaten = 0;
    float fullTimer = kDigestTime;
    float baseMass = 1.0f;
    bool full = false;

protected:
    // The label object this bird writes to, and what its text starts with.
    virtual const char* LabelName() const = 0;
    virtual const char* Caption() const = 0;
};
