#pragma once
// The runner's controller ("Level4"): runs the 230-second clock, spawns the
// schedule, switches minions and the checkpoint by phase, fills the zone bar,
// fires the fever pulses, warns of the boss, counts down the last minute and
// keeps the two score labels.

#include <array>
#include <cstdint>
#include <vector>

#include "api/script.h"
#include "api/script_api.h"
#include "game/runner/run_schedule.h"
#include "game/runner/runner_hud.h"

class Level4 : public Engine::ScriptBase<Level4>, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    static constexpr float kRunLength = 230.0f;
    static constexpr float kBossTime = 180.0f;
    static constexpr float kCountdown = 60.0f;
    static constexpr float kFeverPulse = 4.0f;
    static constexpr float kBaseEmitterSpeed = 5.5f;
    static constexpr float kFeverEmitterSpeed = 10.0f;
    static constexpr float kSkipStep = 20.0f;

    // The run's clock.
    float clock = 0.0f;
    // How many pieces of debris have started in this run; every fifth one
    // becomes a falling meteor (L4Debris counts itself in).
    int32_t debrisCount = 0;
    bool phase2Done = false, phase3Done = false, phase4Done = false;
    bool firstUpdate = true;
    bool feverOn = false;
    float feverTimer = 0.0f;
    int32_t feverCount = 0;
    float countdownSeconds = kCountdown;
    bool countdownRunning = false;
    float warningBlinkTimer = 0.0f;
    bool warningPlayed = false;
    bool warningShown = false;
    float bannerTimer = 2.0f;
    bool bannerShown = false;
    bool scoreParticlesOn = false;

    api::ObjectRef checkpoint, transition, particle, zoneBar, player1, player2, warningOverlay, fevertime;
    std::array<api::ObjectRef, 4> hexagons;
    std::array<api::ObjectRef, 3> zones;  // green, yellow, amber
    runner::LabelPtr scoreLabels[2];
    runner::LabelPtr countdownLabel;
    std::vector<runner::ScheduleEntry> schedule;

private:
    bool Revealed() const;
    void SetMinions(bool on);
    void SetScoreParticles(bool on);
    void SendCheckpoint(float speed, int32_t prize);
    void RunPhases(float dt);
    void GrowBanner(float dt);
    void BlinkWarning(float dt);
    void UpdateScores();
    void UpdateCountdown(float dt);
    void RunSchedule(float dt);
    void Spawn(runner::ScheduleEntry& entry);
    void RunFever(float dt);
    void FillZones(float dt);
    void LightHexagons(int32_t count);
};
