#include "game/runner/level4.h"

#include <algorithm>
#include <string>

#include "api/bodies.h"
#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/game_values.h"
#include "game/game_values_hash.h"
#include "game/menus/transition.h"
#include "game/runner/boss.h"
#include "game/runner/l4_checkpoint.h"
#include "game/levels/level_table.h"
#include "game/runner/l4_minion.h"
#include "game/story/dialog_scene.h"

REGISTER_SCRIPT("Level4", Level4);

namespace {
const api::ObjectName kParticle{"Particle"};
const api::ObjectName kTransitionBird{"TransitionBird"};
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kZoneBar{"ZoneBar"};
const api::ObjectName kHexes[] = {api::ObjectName{"HexGreen"}, api::ObjectName{"HexYellow"},
                                  api::ObjectName{"HexAmber"}, api::ObjectName{"HexRed"}};
const api::ObjectName kZones[] = {api::ObjectName{"GreenZone"}, api::ObjectName{"YellowZone"},
                                  api::ObjectName{"AmberZone"}};
const api::ObjectName kWarningOverlay{"WarningOverlay"};
const api::ObjectName kFevertime{"Fevertime"};
const api::ObjectName kSpawners{"L4Spawners"};
const api::ObjectName kP1Score{"P1Score"};
const api::ObjectName kP2Score{"P2Score"};
const api::ArchetypeName kCheckpoint{"RunCheckpoint"};
const api::TextureName kPipeBottom{"FlappyHazardBottom"};
const api::SoundEvent kWarning{"event:/Boss_Warning"};

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFF0000FF;
constexpr uint32_t kHidden = 0x00FFFFFF;
constexpr uint32_t kWarningTint = 0x660000FF;
constexpr uint32_t kHexLit = 0xFF000000;
constexpr uint32_t kHexDim = 0x5A000000;
// The portrait in each score corner, by character number 1..4.
const api::TextureName kPortraits[] = {api::TextureName{"RoziDoro_Portrait"}, api::TextureName{"VadozaVaza_Portrait"},
                                       api::TextureName{"DovaDizavov_Portrait"}, api::TextureName{"DoruZuvo_Portrait"}};

struct FeverWindow {
    float from, to;
};
constexpr FeverWindow kFeverWindows[] = {{10.0f, 14.0f}, {41.0f, 45.0f}, {106.0f, 110.0f}, {166.0f, 170.0f}};

struct ZoneFill {
    float from, to, rate, cap, offset;
};
constexpr ZoneFill kZoneFills[] = {{10.0f, 55.0f, 1.0f / 7.0f, 4.8f, -7.9f},
                                   {55.0f, 120.0f, 1.0f / 11.0f, 4.8f, -2.5f},
                                   {120.0f, 180.0f, 1.0f / 12.0f, 4.5f, 3.0f}};
}  // namespace

void Level4::Init() {
    particle = api::Find(kParticle);
    if (Engine::graphics::ParticleSystem* emitter = particle ? particle->GetParticleSystem() : nullptr)
        emitter->speed = kBaseEmitterSpeed;
    clock = 0.0f;
    debrisCount = 0;
    schedule = runner::BuildSchedule();
    if (Engine::graphics::Camera* camera = Engine::graphics::Camera::main) camera->ResetView();

    scoreLabels[0] = runner::MakeLabel({-10.5f, 6.3f}, 32, kWhite, 9);
    scoreLabels[1] = runner::MakeLabel({13.5f, 6.3f}, 32, kWhite, 9);
    countdownLabel = runner::MakeLabel({0.0f, 7.0f}, 24, kRed, 9);
    countdownLabel->color = 0;
    countdownSeconds = kCountdown;
    countdownRunning = false;
    bannerTimer = 2.0f;

    checkpoint = api::Spawn(kCheckpoint, -100.0f, -1.0f);
    api::SetPosition(checkpoint.Get(), {-100.0f, -1.0f});
    transition = api::Find(kTransitionBird);
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    zoneBar = api::Find(kZoneBar);
    for (size_t i = 0; i < hexagons.size(); ++i) hexagons[i] = api::Find(kHexes[i]);
    for (size_t i = 0; i < zones.size(); ++i) zones[i] = api::Find(kZones[i]);
    warningOverlay = api::Find(kWarningOverlay);
    fevertime = api::Find(kFevertime);
    LightHexagons(0);
    const int32_t characters[] = {Game::player1Character, Game::player2Character};
    const api::ObjectName* anchors[] = {&kP1Score, &kP2Score};
    for (int i = 0; i < 2; ++i)
        if (characters[i] >= 1 && characters[i] <= 4)
            api::SetTexture(api::Find(*anchors[i]), kPortraits[characters[i] - 1]);

    const char* music = levels::StartMusic();
    api::SetParameter(music, "Boss_Start", 1.0f);
    api::SetParameter(music, "Boss_End", 0.0f);
}

bool Level4::Revealed() const {
    const Transition* wipe = api::ScriptOf<Transition>(transition);
    return !wipe || wipe->revealed;
}

void Level4::SetMinions(bool on) {
    if (L4Minion* minions = api::FindScript<L4Minion>(kSpawners)) minions->enabled = on;
}

void Level4::SetScoreParticles(bool on) {
    scoreParticlesOn = on;
    for (const char* name : {kP1Score.c_str(), kP2Score.c_str()})
        if (Engine::GameObj* anchor = api::Find(name))
            if (Engine::graphics::ParticleSystem* emitter = anchor->GetParticleSystem()) emitter->playing = on;
}

void Level4::SendCheckpoint(float speed, int32_t prize) {
    if (L4Checkpoint* gate = api::ScriptOf<L4Checkpoint>(checkpoint)) gate->Send({15.0f, 0.0f}, speed, prize);
}

void Level4::Update(float dt) {
    if (firstUpdate) {
        firstUpdate = false;
        for (Engine::GameObj* bird : {player1.Get(), player2.Get()}) {
            api::SetPosition(bird, {-16.0f, -20.0f});
            birds::Bird::Of(bird).StartWalkIn();
        }
    }
    if (clock < 170.0f && api::KeyTriggered('B')) clock += kSkipStep;
    if (!Revealed()) return;

    for (Engine::GameObj* bird : {player1.Get(), player2.Get()})
        if (bird && api::Position(bird).y <= -10.0f) birds::Bird::Of(bird).Kill();

    clock += dt;
    RunPhases(dt);
    UpdateScores();
    UpdateCountdown(dt);
    RunSchedule(dt);
    RunFever(dt);
    FillZones(dt);
}

void Level4::RunPhases(float dt) {
    if (clock < 10.0f)
        if (DialogScene* dialogue = api::ScriptOf<DialogScene>(owner)) dialogue->phase = DialogScene::Phase::Showing;
    if (clock >= 22.0f && clock < 45.0f) SetMinions(true);
    if (clock >= 45.0f && !phase2Done) {
        phase2Done = true;
        SetMinions(false);
        SendCheckpoint(3.0f, 100);
    }
    if (clock >= 55.0f && !phase3Done) {
        SetMinions(false);
        if (!scoreParticlesOn) SetScoreParticles(true);
    }
    if (clock >= 77.0f && clock < 110.0f) SetMinions(true);
    if (clock >= 110.0f && !phase3Done) {
        phase3Done = true;
        SetScoreParticles(false);
        SetMinions(false);
        SendCheckpoint(3.0f, 150);
    }
    if (clock >= 140.0f) SetMinions(true);
    if (clock >= 170.0f && !phase4Done) {
        phase4Done = true;
        SetMinions(true);
        SendCheckpoint(3.0f, 200);
    }
    if (clock >= 170.0f && clock <= kRunLength) GrowBanner(dt);
    if (clock >= 175.0f && clock <= 183.0f) {
        BlinkWarning(dt);
    } else if (warningShown) {
        warningShown = false;
        api::SetColor(warningOverlay.Get(), kHidden);
    }
    if (clock >= kBossTime) {
        if (countdownLabel) countdownLabel->color = kWhite;
        if (countdownSeconds > 0.0f) countdownRunning = true;
    }
    if (clock >= kRunLength) SetMinions(false);
}

void Level4::GrowBanner(float dt) {
    Engine::GameObj* banner = fevertime.Get();
    if (!banner) return;
    api::vec2 scale = api::Scale(banner);
    api::vec2 at = api::Position(banner);
    if (!bannerShown) {
        // The level keeps the banner hidden until the final stretch begins.
        bannerShown = true;
        api::SetColor(banner, kWhite);
    }
    if (scale.x < 10.0f && scale.y < 2.5f) {
        scale.x += 4.0f * dt;
        scale.y += dt;
        api::SetScale(banner, scale);
    } else if (at.y < 6.0f) {
        at.y += 3.0f * dt;
        api::SetPosition(banner, at);
    } else if (bannerTimer > 0.0f) {
        bannerTimer -= dt;
    } else {
        api::SetColor(banner, kHidden);
    }
}

void Level4::BlinkWarning(float dt) {
    if (!warningPlayed) {
        warningPlayed = true;
        api::Play(kWarning);
    }
    warningBlinkTimer += dt;
    if (warningBlinkTimer > 0.1f) {
        warningShown = !warningShown;
        api::SetColor(warningOverlay.Get(), warningShown ? kWarningTint : kHidden);
        warningBlinkTimer = 0.0f;
    }
}

void Level4::UpdateScores() {
    const Engine::GameObj* birds[] = {player1.Get(), player2.Get()};
    for (int i = 0; i < 2; ++i) {
        if (!scoreLabels[i]) continue;
        scoreLabels[i]->text = std::to_string(birds::Bird::Of(birds[i]).Score());
        scoreLabels[i]->order = 9;
    }
    runner::SortLayers();
}

void Level4::UpdateCountdown(float dt) {
    if (!countdownLabel) return;
    if (!countdownRunning) {
        countdownLabel->text.clear();
        return;
    }
    countdownSeconds -= dt;
    if (countdownSeconds < 10.0f) countdownLabel->color = kRed;
    if (countdownSeconds < 0.0f) {
        countdownSeconds = 0.0f;
        countdownRunning = false;
    }
    countdownLabel->text = "Survive for : " + std::to_string(static_cast<int>(countdownSeconds));
}

void Level4::Spawn(runner::ScheduleEntry& entry) {
    entry.spawned = true;
    Engine::GameObj* object = api::Spawn(entry.archetype, 0.0f, 0.0f);
    entry.object = object;
    if (!object) return;
    api::SetPosition(object, entry.position);
    if (entry.archetype == "L4Pipe" && entry.position.y < 0.0f) {
        api::SetScale(object, {api::Scale(object).x, -api::Scale(object).y});
        api::SetTexture(object, kPipeBottom);
        if (Engine::graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetFrame(1, 5);
    }
    if (entry.archetype == "Boss") {
        api::SetPosition(object, {12.5f, -0.5f});
        if (Engine::RigidBody* body = api::Body(object)) body->SetMotionType(Engine::kStaticMotion);
        if (Boss* boss = api::ScriptOf<Boss>(object)) boss->appearing = true;
        if (Engine::graphics::Animator* animator = api::AnimatorOf(object)) animator->frameTime = 0.1f;
        if (Engine::graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetFrame(1, 10);
    }
}

void Level4::RunSchedule(float dt) {
    for (runner::ScheduleEntry& entry : schedule) {
        if (clock > entry.spawnTime && !entry.spawned) Spawn(entry);
        if (!entry.spawned) continue;
        entry.entryClock += dt;
        Engine::GameObj* object = entry.object.Get();
        if (!object || entry.entryClock < entry.endTime) continue;
        const float x = api::Position(object).x;
        if (x <= -16.0f || x >= 16.0f) api::SetPosition(object, {runner::kScheduleParkX, runner::kScheduleParkY});
    }
}

void Level4::LightHexagons(int32_t count) {
    for (size_t i = 0; i < hexagons.size(); ++i) {
        Engine::GameObj* hexagon = hexagons[i].Get();
        const Engine::graphics::Renderable2D* sprite = hexagon ? hexagon->GetSprite() : nullptr;
        if (!sprite) continue;
        // Each hexagon keeps its own colour; lighting it only raises its alpha.
        const uint32_t alpha = static_cast<int32_t>(i) < count ? kHexLit : kHexDim;
        api::SetColor(hexagon, (sprite->color & 0x00FFFFFFu) | alpha);
    }
}

void Level4::RunFever(float dt) {
    Engine::graphics::ParticleSystem* emitter = particle ? particle->GetParticleSystem() : nullptr;
    if (feverOn) {
        feverTimer += dt;
        if (emitter) emitter->speed = kFeverEmitterSpeed;
        if (feverTimer > kFeverPulse) {
            feverOn = false;
            feverTimer = 0.0f;
            if (emitter) emitter->speed = kBaseEmitterSpeed;
            LightHexagons(0);
        }
        return;
    }
    for (const FeverWindow& window : kFeverWindows) {
        if (clock <= window.from || clock >= window.to) continue;
        feverOn = true;
        feverTimer = 0.0f;
        ++feverCount;
        if (emitter) emitter->speed = kFeverEmitterSpeed;
        LightHexagons(feverCount);
        return;
    }
}

void Level4::FillZones(float dt) {
    for (size_t i = 0; i < zones.size(); ++i) {
        const ZoneFill& fill = kZoneFills[i];
        Engine::GameObj* zone = zones[i].Get();
        if (!zone || clock <= fill.from || clock >= fill.to) continue;
        api::vec2 scale = api::Scale(zone);
        scale.x = std::min(fill.cap, scale.x + dt * fill.rate);
        api::SetScale(zone, scale);
        api::SetPosition(zone, {scale.x * 0.5f + fill.offset, api::Position(zone).y});
    }
}

void Level4::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(clock);
    hasher.Flag(countdownRunning);
    hasher.Value(feverCount);
    hasher.Value(debrisCount);
    Game::HashMatchValues(hasher);
}
