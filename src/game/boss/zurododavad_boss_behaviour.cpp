#include "game/boss/zurododavad_boss_behaviour.h"

#include <algorithm>
#include <string>

#include "api/bodies.h"
#include "api/camera_view.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/fight_state.h"
#include "game/game_values.h"
#include "game/game_values_hash.h"
#include "game/levels/match_end.h"

REGISTER_SCRIPT("ZurododavadBossBehaviour", ZurododavadBossBehaviour);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kBossBar{"BossBar"};
const api::ObjectName kBossBarOverlay{"BossBarOverlay"};
const api::ObjectName kOrbReference{"OrbReference"};
const api::ObjectName kWhiteScreen{"WhiteScreen"};
const api::ObjectName kHealthFill{"BossHealthFill"};
const api::ObjectName kHealthFrame{"BossHealthFrame"};
const api::ObjectName kLeftBound{"LeftBound"};
const api::ObjectName kRightBound{"RightBound"};
const api::ObjectName kDownBound{"DownBound"};
const api::ArchetypeName kRock{"ZurododavadBossRock"};
const api::ArchetypeName kExplosion{"ZurododavadExplosion"};
const api::ArchetypeName kLabel{"HudLabel"};
const api::TextureName kCrack{"ZurododavadBossCrack"};
const api::TextureName kDeath{"ZurododavadBossDeath"};
const api::SoundEvent kBossDeath{"event:/Boss_Death"};
}  // namespace

bool ZurododavadBossBehaviour::Vulnerable() const { return boss::FightNow().vulnerable && bossHealth >= 1; }

void ZurododavadBossBehaviour::Init() {
    orbLabel = api::SpawnLabel(kLabel, "PassionOne", 32, {0.5f, 7.0f}, 0xFF0000FF, 8);
    api::SetText(orbLabel.Get(), "");
    bossBar = api::Find(kBossBar);
    bossBarOverlay = api::Find(kBossBarOverlay);
    api::SetColor(bossBar.Get(), 0x00FFFFFF);
    api::SetColor(bossBarOverlay.Get(), 0x00FFFFFF);
    if (Engine::GameObj* bar = bossBar.Get()) api::SetPosition(bar, {100.0f, api::Position(bar).y});
    birds = {api::Find(kPlayer1), api::Find(kPlayer2)};
    firstFightFrame = true;
    crackShown = false;
    bossHealth = boss::kBossHealth;
    if (boss::FightState* fight = boss::Fight()) fight->vulnerable = false;
    orbReference = api::Find(kOrbReference);
    whiteScreen = api::Find(kWhiteScreen);
    deathTimer = fade = 0.0f;
    for (size_t i = 0; i < rocks.size(); ++i) {
        Engine::GameObj* rock = api::Spawn(kRock, 10.0f * static_cast<float>(i), 200.0f);
        api::SetGravityScale(rock, 0.0f);
        if (Engine::RigidBody* body = api::Body(rock)) body->BodyType = 1;
        rocks[i] = rock;
    }
    healthFill = api::Find(kHealthFill);
    healthFrame = api::Find(kHealthFrame);
    healthFillWidth_ = api::Scale(healthFill.Get()).x;
    healthFillLeft_ = api::Position(healthFill.Get()).x - healthFillWidth_ / 2.0f;
    api::SetColor(healthFill.Get(), 0x00FFFFFF);
    api::SetColor(healthFrame.Get(), 0x00FFFFFF);
    if (Engine::GameObj* frame = healthFrame.Get()) {
        // Centred over the bar (the font draws a little left of and below the label's point).
        const Engine::vec2 at = api::Position(frame) + Engine::vec2{-1.3f, 1.7f};
        healthLabel = api::SpawnLabel(kLabel, "PassionOne", 28, at, 0x00FFFFFF, 12);
        api::SetText(healthLabel.Get(), "ZURODODAVAD");
    }
    matchEnded = false;
    orbsComplete_ = false;
    explodedOnce_ = false;
}

void ZurododavadBossBehaviour::Update(float dt) {
    boss::FightState* fight = boss::Fight();
    if (!fight || !fight->started || matchEnded) return;
    if (firstFightFrame) {
        firstFightFrame = false;
        api::SetPosition(birds[0].Get(), {-9.0f, 0.0f});
        api::SetPosition(birds[1].Get(), {9.0f, 0.0f});
    }
    if (bossHealth <= boss::kBossHealth / 2 && !crackShown) {
        api::SetTexture(owner, kCrack);
        crackShown = true;
    }
    if (bossHealth < 1) {
        Die(dt);
        return;
    }
    if (fight->vulnerable) {
        for (const api::ObjectRef& rock : rocks)
            if (Engine::GameObj* r = rock.Get()) api::SetPosition(r, {100.0f, api::Position(r).y});
        for (const api::ObjectRef* bar : {&bossBar, &bossBarOverlay})
            if (Engine::GameObj* b = bar->Get()) api::SetPosition(b, {-100.0f, api::Position(b).y});
        ShowHealth();
    }
    fight->orbCount = std::clamp(fight->orbCount, 0, boss::kMaxOrbs);
    api::SetText(orbLabel.Get(), "x" + std::to_string(boss::kMaxOrbs - fight->orbCount));
    if (fight->orbCount >= boss::kMaxOrbs && !orbsComplete_) {
        orbsComplete_ = true;
        api::Destroy(orbLabel.Get());
        api::Destroy(orbReference.Get());
    }
    // In the fight phase the orb counter has done its job.
    if (fight->vulnerable) api::SetText(orbLabel.Get(), "");
    api::SetHidden(orbReference.Get(), fight->vulnerable);
}

void ZurododavadBossBehaviour::ShowHealth() {
    Engine::GameObj* fill = healthFill.Get();
    if (!fill) return;
    const float share = std::clamp(static_cast<float>(bossHealth) / boss::kBossHealth, 0.0f, 1.0f);
    const float width = healthFillWidth_ * share;
    api::SetScale(fill, {width, api::Scale(fill).y});
    api::SetPosition(fill, {healthFillLeft_ + width / 2.0f, api::Position(fill).y});
    // Green while healthy, amber below half, red in the last fifth.
    api::SetColor(fill, share > 0.5f ? 0xFF50D070 : share > 0.2f ? 0xFF30B0F0 : 0xFF3040E0);
    api::SetColor(healthFrame.Get(), 0xFFFFFFFF);
    api::SetTextColor(healthLabel.Get(), 0xFFFFFFFF);
}

void ZurododavadBossBehaviour::Die(float dt) {
    if (deathTimer == 0.0f) {
        owner->RemoveCollider();
        api::SetTexture(owner, kDeath);
        api::SetColor(owner, 0xFFFFFFFF);
        api::SetColor(healthFill.Get(), 0x00FFFFFF);
    }
    api::Shake({1.0f, 1.0f, 0.0f}, 3, kShakeSeconds, dt);
    deathTimer += dt;
    Engine::GameObj* boom = explosion.Get();
    if (deathTimer > kShakeSeconds && !boom && !explodedOnce_) {
        explodedOnce_ = true;
        api::ResetCamera();
        const Engine::vec2 at = api::Position(owner);
        boom = api::Spawn(kExplosion, at.x, at.y);
        explosion = boom;
        if (Engine::RigidBody* body = api::Body(boom)) body->BodyType = 0;
        api::Play(kBossDeath);
        for (const char* bound : {kLeftBound.c_str(), kRightBound.c_str(), kDownBound.c_str()})
            api::Destroy(api::Find(bound));
        api::SetPosition(owner, {100.0f, at.y});
        return;
    }
    if (!explodedOnce_) return;
    if (api::Scale(boom).x >= 80.0f || !boom) {
        fade += 100.0f * dt;
        api::SetColor(boom, boss::WhiteAlpha(255.0f - fade));
        api::SetColor(whiteScreen.Get(), boss::WhiteAlpha(fade));
        api::Stop(levels::Music());
        if (fade > kFadeEnd) {
            EndMatch();
            return;
        }
    }
    if (boom) {
        const Engine::vec2 s = api::Scale(boom);
        api::SetScale(boom, {s.x + 100.0f * dt, s.y + 100.0f * dt});
        if (Engine::Collider* collider = api::ColliderOf(boom))
            api::SetColliderSize(boom, collider->width + 100.0f * dt, collider->height + 100.0f * dt);
    }
}

void ZurododavadBossBehaviour::WriteResult(int32_t player1Hits, int32_t player2Hits) {
    levels::RecordResult(levels::Mode::Boss, player1Hits, player2Hits);
}

void ZurododavadBossBehaviour::EndMatch() {
    matchEnded = true;
    // Without a wipe the storyboard loads at once instead of leaving the game white.
    levels::MatchEnd(levels::Mode::Boss, birds::Bird::Of(birds[0].Get()).Score(), birds::Bird::Of(birds[1].Get()).Score());
}

void ZurododavadBossBehaviour::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(bossHealth);
    hasher.Flag(matchEnded);
    hasher.Value(deathTimer);
    Game::HashMatchValues(hasher);
}
