#pragma once
// The older score keeper of the food court: 50 points (times a multiplier) to
// red for every contact with "Player" and to blue for every contact with
// "Player2", shown on the "P1Score" and "P2Score" labels. The keys R and B add
// the same by hand, again and again while held, like a text field's key repeat;
// they are for trying the labels out.
//
// The food court itself scores through its birds (Player1Level2Behaviour and
// Player2Level2Behaviour), which write the same labels; a level that places
// this keeper as well would show whichever wrote last.

#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class FoodScrap : public Engine::ScriptBase<FoodScrap> {
public:
    using ScriptBase::ScriptBase;

    static constexpr int32_t kPoints = 50;
    // A held key adds once, then again after the delay and at every repeat step.
    static constexpr float kRepeatDelay = 0.275f;
    static constexpr float kRepeatRate = 0.05f;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    api::ObjectRef redLabel;
    api::ObjectRef blueLabel;
    int32_t redScore = 0;
    int32_t blueScore = 0;
    int32_t multiplier = 1;

    // How many times a key held for `held` seconds (after `dt` more) has fired
    // in this frame, counting the press itself.
    static int Repeats(float held, float dt);

private:
    float redHeld_ = -1.0f;
    float blueHeld_ = -1.0f;
};
