#pragma once
// A short-lived feedback sprite that removes itself once its animation has run
// one and a half times through its frame time.

#include "api/script.h"

class FeedBackDestroy : public Engine::ScriptBase<FeedBackDestroy> {
public:
    using ScriptBase::ScriptBase;
    void Update(float dt) override;

    float elapsed = 0.0f;
};
