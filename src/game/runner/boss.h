#pragma once
// The runner's boss: fades in behind a portal at the right edge, hovers up and
// down, fires its ball pool in three patterns (four-way spread, homing, arrow),
// arms a close-range kill zone when a bird comes near, and takes score hits from
// dung, skills and pecks.

#include <cstdint>
#include <vector>

#include "api/script_api.h"
#include "game/runner/boss_bullet.h"

class Boss : public Engine::ScriptBase<Boss>, public BallThrower {
public:
    enum Attack : int32_t { kFourWay = 0, kHoming = 1, kArrow = 2, kAttackCount = 3 };

    explicit Boss(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // Every live "BossBalls" becomes unfired and is parked; once only.
    void ResetBalls();
    // The point balls leave from: the middle of the boss's left edge.
    api::vec2 LeftEdge() const;
    // A ball that flew out was recycled.
    void BallRecycled() override;
    // Ends the running attack: the timers restart and the next pattern is drawn,
    // any of the three whatever came before.
    void EndAttack();

    int32_t nextAttack = kFourWay;
    bool ultimateArmed = false;
    bool barrierSoundPlayed = false;
    bool portalSoundPlayed = false;
    bool moveSoundPlayed = false;
    bool ballsReset = false;
    bool hitFlash = false;
    float hitFlashTimer = 0.0f;
    bool attacking = false;
    int32_t ballCount = 30;
    int32_t ballIndex = 0;
    int32_t extraShots = 0;
    int32_t arrowBaseRow = 1;
    int32_t arrowRow = 0;
    float attackTimer = 0.0f;
    float attackDelay = 3.0f;
    float ultimateTimer = 0.0f;
    float stepTimer = 0.0f;
    bool moveUp = false;
    bool inMove = false;
    bool turned = false;
    float moveDelay = 3.0f;
    float moveTimer = 0.0f;
    float blinkTimer = 0.0f;
    float appearTimer = 0.0f;
    int32_t arrowShots = 0;
    api::ObjectRef player1, player2;
    api::ObjectRef ultimateCollider, alert, portal;
    std::vector<api::ObjectRef> balls;
    api::vec2 home;
    int32_t ballsInFlight = 0;
    bool appearing = false;
    bool dead = false;

    static constexpr float kAppearTime = 5.0f;
    static constexpr float kKillZoneRange = 5.0f;
    static constexpr float kMoveTop = 4.5f;
    static constexpr float kMoveBottom = -4.5f;

private:
    void Appear(float dt);
    void Wait(float dt);
    void RunAttack(float dt);
    void FourWayStep(float dt);
    void HomingStep(float dt);
    void ArrowStep(float dt);
    void KillZone(float dt);
    void Move(float dt);
    // Fires a ball from `from` with `heading`; false when the ball is missing or still flying.
    bool Fire(Engine::GameObj* ball, api::vec2 from, api::vec2 heading, bool homing = false);
    Engine::GameObj* PoolBall(int32_t index) const;
    void ScoreHit(Engine::GameObj* bird, int points);
};
