#pragma once
// DovaDizavov's ultimate: the pirate ship sails down into view and fires three
// beams, two diagonal and one straight down, for one second. The other bird
// dies on any of them; the camera shakes.

#include <string>
#include <vector>

#include "api/maths.h"
#include "api/object_ref.h"
#include "game/ultimates/ultimate.h"

class JackPirateShip : public Engine::ScriptBase<JackPirateShip, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;
    ~JackPirateShip() override;

    static constexpr float kDockedY = 12.5f;   // out of sight above the field
    static constexpr float kArrivedY = 7.0f;   // in view at the top
    static constexpr float kDescent = 3.0f;    // units per second
    static constexpr float kAscent = 5.0f;
    static constexpr float kFiring = 1.0f;     // seconds the beams last
    static constexpr float kShake = 0.99f;
    static constexpr int kBossDamage = 60;

    void Init() override;
    void Update(float dt) override;

    std::string targetName;
    api::ObjectRef ship;
    bool arrived = false;
    bool beamsSpawned = false;
    bool callPlayed = false;
    float ultiTimer = 0.0f;
    std::vector<api::ObjectRef> beams;
    Engine::vec3 shake{1.0f, 1.0f, 0.0f};
    int shakePeriod = 3;

private:
    void SpawnBeams();
    void SweepBeams();
    void Finish();
    bool ready_ = false;
    bool shaking_ = false;
};
