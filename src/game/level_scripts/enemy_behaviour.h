#pragma once
// A self-contained defending bird on the arrow keys, L and K or the second
// pad: flaps, walks, pecks, drops one dung, is stunned by other dung and
// mends the egg while it rests on it.

#include "api/controls.h"
#include "api/object_ref.h"
#include "api/script.h"

class EnemyBehaviour : public Engine::ScriptBase<EnemyBehaviour> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;
    void OnCollisionExit(Engine::GameObj* other) override;

    bool touchingEgg = false;
    float eggHealDelay = 3.0f;
    float eggTimer = 0.0f;
    bool pecking = false;
    bool animating = false;
    bool dungReady = true;
    bool needsDung = true;
    bool stunned = false;
    float animDuration = 0.5f;
    float animTimer = 0.0f, dungTimer = 0.0f, stunTimer = 0.0f;
    // Taken when the script starts on its object: a prototype has no owner.
    api::ObjectRef body;
    api::ObjectRef egg;
    api::ObjectRef dung;
    Engine::Gamepad gamepad{2};
};
