#include "game/egg/bug_behaviour.h"

#include "api/drawing.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/egg/pickup_spawner.h"
#include "game/level_scripts/thunder_clouds.h"
#include "game/birds/bird_links.h"

REGISTER_SCRIPT("BugBehaviour", BugBehaviour);

namespace {
const api::ObjectName kSpawner{"Spawner"};
const api::ObjectName kRunnerSpawner{"L4Spawners"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kCloudSpawner{"CloudSpawner"};
const api::ArchetypeName kFeedback{"PowerUpCollectedFeedBack"};
const api::SoundEvent kHazardGet{"event:/Hazard_Get"};
const api::SoundEvent kPowerUpGet{"event:/PowerUp_Get"};
const api::SoundEvent kInvulnGet{"event:/Invuln_Get"};
const api::SoundEvent kLaxativeGet{"event:/Laxative_Get"};
const api::SoundEvent kHealGet{"event:/Heal_Get"};
}  // namespace

void BugBehaviour::Init() {
    spawner = api::Find(kSpawner);
    runnerSpawner = api::Find(kRunnerSpawner);
    levelSettings = api::Find(kLevelSettings);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    baseScale_ = api::Scale(owner);
}

void BugBehaviour::ClearKinds() { immunity = eggHealth = hazard = laxative = ultimate = cloud = false; }

void BugBehaviour::Withdraw() {
    api::Park(owner);
    active = false;
    ClearKinds();
}

void BugBehaviour::RestartSpawner() {
    if (BugSpawner* bugs = api::ScriptOf<BugSpawner>(spawner)) bugs->Restart();
    if (BugSpawner* bugs = api::ScriptOf<BugSpawner>(runnerSpawner)) bugs->Restart();
}

bool BugBehaviour::InRunnerPool() const { return api::ScriptOf<BugSpawner>(runnerSpawner) != nullptr; }

bool BugBehaviour::SpawnerRuns() const {
    return api::ScriptOf<BugSpawner>(spawner) || api::ScriptOf<BugSpawner>(runnerSpawner);
}

void BugBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    // The boss arena's spawner picks its bugs up itself; only the egg level's
    // and the runner's spawners leave the contacts to the bug.
    if (!other || !SpawnerRuns()) return;
    if (other->name == "LeftBound" || other->name == "RightBound") {
        // The egg level's ultimate bug only leaves through the floor; the crossing
        // bug, and every bug of the runner's pool, leaves here.
        if (ultimate && !InRunnerPool()) return;
        Withdraw();
        RestartSpawner();
        return;
    }
    if (active && (other->name == "Player" || other->name == "Player2")) PickedUpBy(other);
}

void BugBehaviour::PickedUpBy(Engine::GameObj* bird) {
    if (!collectedFeedback) collectedFeedback = api::Spawn(kFeedback, 0.0f, 0.0f);
    api::SetPosition(collectedFeedback.Get(), api::Position(owner));
    feedbackRestart = 1;
    feedbackTimer = 0.0f;
    grantImmunity_ = immunity;
    grantEggHealth_ = eggHealth;
    grantLaxative_ = laxative;
    grantHazard_ = hazard;
    grantUltimate_ = ultimate;
    grantCloud_ = cloud;
    pendingGrant = true;
    touchedByPlayer1 = bird->name == "Player";
    touchedByPlayer2 = bird->name == "Player2";
    if (hazard)
        if (ThunderClouds* clouds = api::FindScript<ThunderClouds>(kCloudSpawner)) clouds->startNow = true;
    PlayPickupSounds(bird);
    if (ultimate && InRunnerPool()) {
        // A bug of the runner's pool comes round again: it only leaves play, and
        // keeps its kind for the bird's own contact in this same step.
        api::Park(owner);
        active = false;
        RestartSpawner();
        return;
    }
    if (ultimate) {
        // A spawned extra: it keeps its kind for the bird's own contact in this
        // same step (whichever is told first) and is released afterwards.
        api::Park(owner);
        active = false;
        api::Destroy(owner);
        return;
    }
    Withdraw();
    RestartSpawner();
}

void BugBehaviour::PlayPickupSounds(Engine::GameObj* bird) const {
    if (hazard) {
        api::Play(kHazardGet);
        return;
    }
    if (ultimate) return;
    api::Play(kPowerUpGet);
    if (immunity) api::Play(kInvulnGet);
    if (laxative) api::Play(kLaxativeGet);
    if (eggHealth) {
        api::Play(birds::Bird::Of(bird).IsDefender() ? kHealGet : kInvulnGet);
    }
}

void BugBehaviour::Grant() {
    pendingGrant = false;
    const MatchRules* rules = api::ScriptOf<MatchRules>(levelSettings);
    if (rules && !rules->EggMode()) return;
    api::GameObj* bird = touchedByPlayer1 ? player1.Get() : touchedByPlayer2 ? player2.Get() : nullptr;
    birds::Bird::Of(bird).Grant(grantImmunity_, grantEggHealth_, grantLaxative_, grantHazard_, grantUltimate_, grantCloud_);
}

void BugBehaviour::ShowFeedback(float dt) {
    if (feedbackRestart != 1) return;
    api::GameObj* feedback = collectedFeedback.Get();
    if (feedbackTimer == 0.0f) {
        if (Engine::graphics::Animator* animator = api::AnimatorOf(feedback)) animator->frameTime = 0.1f;
        api::PlayAnimation(feedback, true);
    }
    feedbackTimer += dt;
    if (feedbackTimer > 1.0f) {
        api::Park(feedback);
        feedbackRestart = 0;
        feedbackTimer = 0.0f;
    }
}

void BugBehaviour::Pulse(float dt) {
    pulseTimer += dt;
    if (pulseTimer >= 0.5f) {
        pulseTimer = 0.0f;
        pulseShrinking = !pulseShrinking;
    }
    const float step = (pulseShrinking ? -0.65f : 0.65f) * dt;
    const api::vec2 s = api::Scale(owner);
    api::SetScale(owner, {s.x + step, s.y + step});
}

void BugBehaviour::Update(float dt) {
    ShowFeedback(dt);
    if (pendingGrant) Grant();
    Pulse(dt);
    // An ultimate bug that sank out of the field is gone for good.
    if (ultimate && active && api::Position(owner).y < -12.0f) api::Destroy(owner);
}
