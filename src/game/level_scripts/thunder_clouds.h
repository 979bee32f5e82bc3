#pragma once
// On "CloudSpawner": owns the UFO of the egg level and starts one pass every
// ten seconds, or at once when a bird picks up a Hazard bug. While a round
// ends the round logic holds the UFO off the field.

#include <vector>

#include "api/object_ref.h"
#include "api/script.h"

class ThunderCloudsBehaviour;

class ThunderClouds : public Engine::ScriptBase<ThunderClouds> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kEvery = 10.0f;

    void Init() override;
    void Update(float dt) override;

    ThunderCloudsBehaviour* Ufo() const;

    api::ObjectRef ufo;
    float timer = 0.0f;
    bool startNow = false;
    bool stopped = false;
};
