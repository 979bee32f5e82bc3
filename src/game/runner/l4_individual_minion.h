#pragma once
// One minion: runs in along its lane, pushes away the birds it bumps into and
// pays its reward to the bird that kills it (a peck, dung or a skill), showing
// an explosion and a "+50" where it died.

#include <cstdint>

#include "api/script_api.h"
#include "game/runner/runner_hud.h"

// What a minion tells the spawner that sent it (the spawner implements it).
class MinionSender {
public:
    virtual ~MinionSender() = default;
    // The minion is gone: the next one comes after the full delay.
    virtual void RestartTimer() = 0;
};

class L4IndividualMinion : public Engine::ScriptBase<L4IndividualMinion> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // Killed by `bird` (null: no one is paid): pops up, parks, restarts the sender's timer.
    void Kill(Engine::GameObj* bird);

    static constexpr float kPopupTime = 0.5f;
    static constexpr float kPushStrength = 15.0f;

    api::vec2 lastPos;
    float popupTimer = 0.0f;
    runner::LabelPtr label;  // owned here; leaves the layers when freed
    api::ObjectRef player1, player2, spawners, explosion;
    int32_t reward = 50;
    bool active = false;
    bool showPopup = false;

private:
    // A bird touching an active minion: a peck kills it, anything else is pushed away.
    void Bump(Engine::GameObj* bird, bool withSound);
};
