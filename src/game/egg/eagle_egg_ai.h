#pragma once
// The egg's wandering inside the box of the four bounds: it drifts up and down
// and across the defender's half, turning at the edges of its lane and at
// random every two seconds. An egg found outside the box is put back at the centre.

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"

class EagleEggAI : public Engine::ScriptBase<EagleEggAI> {
public:
    explicit EagleEggAI(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;

    float downY = -9.0f, rightX = 16.0f, leftX = -16.0f, upY = 9.0f;
    api::ObjectRef transition;
    bool goingUp = false;
    bool goingRight = false;
    float turnTimer = 1.0f;
    api::ObjectRef player1;

private:
    bool Revealed() const;
};
