#pragma once
// A two-picture splash: whatever the level shows first for three seconds, then
// the "TalvikLogo" for three more, then the title screen. Escape skips the
// second picture.

#include "api/script.h"

class SplashScreenBehaviour : public Engine::ScriptBase<SplashScreenBehaviour> {
public:
    static constexpr float kPictureSeconds = 3.0f;

    using ScriptBase::ScriptBase;

    void Update(float dt) override;

    float timer = kPictureSeconds;
    bool logoShown = false;
};
