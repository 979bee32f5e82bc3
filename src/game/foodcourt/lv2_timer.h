#pragma once
// The food court's clock: two minutes counted down on its owner's label, red
// for the last thirty seconds. At zero the round ends: the bird with more
// points wins (equal points: a draw) and the game moves on to the result.

#include <cstdint>
#include <string>

#include "api/object_ref.h"
#include "api/script.h"

class Lv2Timer : public Engine::ScriptBase<Lv2Timer>, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kRoundTime = 120.0f;
    static constexpr float kWarningTime = 30.0f;
    static constexpr uint32_t kWarningColor = 0xFF00009Fu;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    // The whole seconds left, right-aligned in three characters ("119", " 45", "  9").
    static std::string Text(float seconds);

    float seconds = kRoundTime;
    bool ended = false;

private:
    // The owner's label, taken once the level's objects are complete.
    api::ObjectRef label_;
};
