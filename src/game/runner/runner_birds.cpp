#include "game/runner/runner_birds.h"

#include "api/bodies.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"

namespace runner {

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kP1Score{"P1Score"};
const api::ObjectName kP2Score{"P2Score"};

MainPlayerBehaviour* Main(const api::GameObj* bird) { return api::ScriptOf<MainPlayerBehaviour>(bird); }
RoundPlayerBehaviour* Round(const api::GameObj* bird) { return api::ScriptOf<RoundPlayerBehaviour>(bird); }
}  // namespace

bool IsBird(const api::GameObj* object) {
    return object && (object->name == kPlayer.c_str() || object->name == kPlayer2.c_str());
}

api::GameObj* BirdNamed(const std::string& owner) {
    if (owner != kPlayer.c_str() && owner != kPlayer2.c_str()) return nullptr;
    return api::Find(owner);
}

bool IsProtected(const api::GameObj* bird) {
    const RoundPlayerBehaviour* round = Round(bird);
    const MainPlayerBehaviour* main = Main(bird);
    return (round && round->immune) || (main && main->invulnerable);
}

bool IsDead(const api::GameObj* bird) {
    const MainPlayerBehaviour* main = Main(bird);
    return main && main->dead;
}

bool IsPecking(const api::GameObj* bird) {
    const MainPlayerBehaviour* main = Main(bird);
    return main && main->pecking;
}

void Kill(api::GameObj* bird) {
    if (MainPlayerBehaviour* main = Main(bird)) main->dead = true;
}

void KillWithPush(api::GameObj* bird) {
    Kill(bird);
    api::AddForce(bird, {0.0f, -10.0f});
}

int Score(const api::GameObj* bird) {
    const RoundPlayerBehaviour* round = Round(bird);
    return round ? round->hitCount : 0;
}

void AddScore(api::GameObj* bird, int amount) {
    if (RoundPlayerBehaviour* round = Round(bird)) round->hitCount += amount;
}

api::GameObj* ScoreAnchorOf(const api::GameObj* bird) {
    if (!bird) return nullptr;
    return api::Find(bird->name == kPlayer2.c_str() ? kP2Score : kP1Score);
}

void HoldStill(api::GameObj* bird) {
    api::SetGravityScale(bird, 0.0f);
    api::SetVelocity(bird, {0.0f, 0.0f});
    SetControlsLocked(bird, true);
}

void SetControlsLocked(api::GameObj* bird, bool locked) {
    if (MainPlayerBehaviour* main = Main(bird)) main->controlsLocked = locked;
}

void SetFacingRight(api::GameObj* bird, bool right) {
    if (MainPlayerBehaviour* main = Main(bird)) main->facingRight = right;
}

void StartWalkIn(api::GameObj* bird) {
    if (RoundPlayerBehaviour* round = Round(bird)) round->walkingIn = true;
}

}  // namespace runner
