#pragma once
// A laser turret in a corner of the boss arena. It sweeps its quarter circle
// with a faint beam, locks onto the first bird the beam crosses, warns for 2 s,
// fires for 1 s (killing every unprotected bird on the line), stays dark for 5 s
// and then scans again from where it locked.

#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class LaserHazardBehaviour : public Engine::ScriptBase<LaserHazardBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kReach = 100.0f;
    // How long the drawn beam is; it starts at the turret.
    static constexpr float kBeamLength = 40.0f;

    void Init() override;
    void Update(float dt) override;

    api::ObjectRef beam;
    float sweepSpeed = 10.0f;
    float angle = 0.0f;
    float fireTimer = 0.0f;
    bool sweepUp = true;
    bool locked = false;
    float minAngle = 0.0f;
    float maxAngle = 90.0f;

private:
    void Scan(float dt);
    void Fire(float dt);
    void PlaceBeam();
    bool right_ = false;
};
