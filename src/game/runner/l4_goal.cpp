#include "game/runner/l4_goal.h"

#include "api/bodies.h"
#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/game_values.h"
#include "game/levels/match_end.h"
#include "game/runner/boss.h"
#include "game/runner/l4_minion.h"
#include "game/runner/l4_power_up_spawner.h"

REGISTER_SCRIPT("L4Goal", L4Goal);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kBoss{"Boss"};
const api::ObjectName kBlackScreen{"BlackLoadScreen"};
const api::ObjectName kSpawners{"L4Spawners"};
const api::ObjectName kRightBound{"RightBound"};
const api::ArchetypeName kExplosion{"ExplosionFeedback"};
const api::SoundEvent kBossDeath{"event:/Boss_Death"};

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFF0000FF;
constexpr uint32_t kClear = 0x00FFFFFF;
const api::vec2 kBigParking{120.0f, -265.0f};
const api::vec2 kBigGone{300.0f, -275.0f};
const api::vec2 kSmallSpots[] = {{12.0f, 1.0f}, {7.0f, 1.5f}, {11.0f, 2.5f}, {9.0f, 1.5f}};

struct FadeStep {
    float after;
    uint32_t alpha;
};
constexpr FadeStep kFade[] = {{0.2f, 0x11}, {0.4f, 0x33}, {0.6f, 0x55}, {0.8f, 0x77},
                              {1.0f, 0x99}, {1.2f, 0xBB}, {1.4f, 0xDD}, {1.6f, 0xFF}};

Engine::GameObj* SpawnExplosion(api::vec2 at, uint32_t lastCell) {
    Engine::GameObj* boom = api::Spawn(kExplosion, at.x, at.y);
    if (!boom) return nullptr;
    api::SetPosition(boom, at);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(boom)) {
        animator->frameTime = 0.2f;
        animator->playing = true;
    }
    if (lastCell > 0)
        if (Engine::graphics::Renderable2D* sprite = boom->GetSprite()) sprite->SetFrame(1, lastCell);
    return boom;
}
}  // namespace

void L4Goal::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    boss = api::Find(kBoss);
    blackScreen = api::Find(kBlackScreen);
    spawners = api::Find(kSpawners);
    rightBound = api::Find(kRightBound);
    bigExplosion = SpawnExplosion(kBigParking, 0);
    api::SetScale(bigExplosion.Get(), {8.0f, 8.0f});
    for (size_t i = 0; i < explosions.size(); ++i) {
        explosions[i] = SpawnExplosion(kSmallSpots[i], 12);
        api::SetColor(explosions[i].Get(), kClear);
    }
    label = runner::MakeLabel({-5.5f, 0.0f}, 32, kWhite, 11);
}

void L4Goal::Update(float dt) {
    if (!boss) boss = api::Find(kBoss);  // spawned in the same frame as the goal
    timer += dt;
    if (timer < kBlowUpTime)
        BlowUp(dt);
    else
        Finish(dt);
}

void L4Goal::BlowUp(float dt) {
    blinkTimer += dt;
    Boss* bossScript = api::ScriptOf<Boss>(boss);
    if (bossScript) {
        bossScript->ResetBalls();
        bossScript->dead = true;
    }
    birds::Bird::Of(player1.Get()).HoldStill();
    birds::Bird::Of(player2.Get()).HoldStill();
    if (L4Minion* minions = api::ScriptOf<L4Minion>(spawners)) minions->enabled = false;
    if (L4PowerUpSpawner* bugs = api::ScriptOf<L4PowerUpSpawner>(spawners)) bugs->enabled = false;
    if (chosen < 0) chosen = api::Rand() % 3;
    Engine::GameObj* flash = explosions[static_cast<size_t>(chosen)].Get();
    if (blinkTimer < 0.2f) {
        api::SetColor(boss.Get(), kRed);
        api::SetColor(flash, kWhite);
        return;
    }
    api::SetColor(boss.Get(), kWhite);
    if (blinkTimer > 0.4f) {
        api::SetColor(flash, kClear);
        chosen = -1;
        blinkTimer = 0.0f;
    }
}

void L4Goal::Finish(float dt) {
    if (chosen >= 0) api::SetColor(explosions[static_cast<size_t>(chosen)].Get(), kClear);
    birds::Bird::Of(player1.Get()).HoldStill();
    birds::Bird::Of(player2.Get()).HoldStill();
    Engine::GameObj* bossObject = boss.Get();
    api::SetColor(bossObject, kWhite);
    if (timer <= 5.5f) api::SetPosition(bigExplosion.Get(), api::Position(bossObject));
    if (bossObject) {
        Engine::graphics::Renderable2D* sprite = bossObject->GetSprite();
        if (sprite && sprite->texture) api::SetFrame(bossObject, static_cast<uint32_t>(sprite->texture->frames));
    }
    if (timer < 6.5f) api::Shake({1.0f, 1.0f, 0.0f}, 3, 2.0f, dt);
    if (timer > 5.5f) {
        api::SetPosition(bigExplosion.Get(), kBigGone);
        if (Engine::Collider* collider = api::ColliderOf(rightBound.Get())) collider->ghost = true;
        if (!deathSoundPlayed) {
            deathSoundPlayed = true;
            api::Play(kBossDeath);
        }
    }
    if (timer <= kFlyOffTime) return;
    for (Engine::GameObj* bird : {player1.Get(), player2.Get()}) {
        api::SetVelocity(bird, {10.0f, 0.0f});
        birds::Bird::Of(bird).FaceRight(true);
    }
    const bool gone = (!player1 || api::Position(player1.Get()).x > kExitX) &&
                      (!player2 || api::Position(player2.Get()).x > kExitX);
    if (gone || timer > kLeaveTimeout) FadeAndDecide(dt);
}

void L4Goal::FadeAndDecide(float dt) {
    fadeTimer += dt;
    Engine::GameObj* screen = blackScreen.Get();
    if (screen) {
        screen->transform->layer = 10;
        if (Engine::graphics::Renderable2D* sprite = screen->GetSprite()) sprite->order = 10;
        uint32_t alpha = 0;
        for (const FadeStep& step : kFade)
            if (fadeTimer > step.after) alpha = step.alpha;
        api::SetColor(screen, alpha << 24);
        runner::SortLayers();
    }
    if (fadeTimer > 1.0f) api::SetParameter(levels::Music(), "Boss_End", 1.0f);
    if (fadeTimer > 1.6f && fadeTimer <= 3.0f && label) label->text = "Computing Score...";
    if (fadeTimer <= 3.0f) return;
    runner::MoveLabel(label.get(), {-345.0f, -60.0f});
    // A missing music event counts as stopped, and music that never ends is given
    // up on after a while: the result always comes.
    if (!resultWritten && (api::IsStopped(levels::Music()) || fadeTimer > 3.0f + kMusicWait)) Decide();
}

void L4Goal::Decide() {
    resultWritten = true;
    const int p1 = birds::Bird::Of(player1.Get()).Score();
    const int p2 = birds::Bird::Of(player2.Get()).Score();
    levels::MatchEnd(levels::Mode::Runner, p1, p2);
}
