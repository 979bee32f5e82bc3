#pragma once
// DoruZuvo's ultimate: a giant dropping falls from the bird, growing as it
// falls, and explodes where it lands (BigBirdShitBehaviour on "BigShit").

#include "api/object_ref.h"
#include "game/ultimates/ultimate.h"

class BigBirdShit : public Engine::ScriptBase<BigBirdShit, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The last dropping released, while it lasts.
    api::ObjectRef bigShit;
};
