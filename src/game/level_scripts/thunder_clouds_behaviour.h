#pragma once
// The UFO: flies in from the left and slows to a stop, gathers a charge of
// light beneath it for the two seconds before it strikes, fires its beam
// straight down for three seconds while the screen shakes, and flies out.

#include "api/object_ref.h"
#include "api/script.h"

namespace Engine::graphics {
class ParticleSystem;
}

class ThunderCloudsBehaviour : public Engine::ScriptBase<ThunderCloudsBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kBeamSeconds = 3.0f;
    static constexpr float kBeamDrop = 9.0f;  // from the UFO's centre to the beam's

    void Init() override;
    void Update(float dt) override;

    Engine::graphics::ParticleSystem* Charge() const;

    float timer = 0.0f;
    float beamTimer = 0.0f;
    bool leaving = false;
    api::ObjectRef beam;
    bool active = false;
    float strikeTime = 0.0f;
    // Seconds before the strike that the charge shows, and when it stops.
    float chargeFrom = 3.0f;
    float chargeUntil = 1.0f;
};
