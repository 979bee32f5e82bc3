#include "game/ultimates/drop_the_beat.h"

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/ultimates/boss_hits.h"

REGISTER_SCRIPT("DropTheBeat", DropTheBeat);

namespace {
const api::SoundEvent kTechno{"event:/Techno_Beat_Ulti"};
const api::TextureName kNote{"MusicNote1"};
// The zoom pulse runs from 1 down to this, then snaps back.
constexpr float kZoomFloor = 0.9f;
}  // namespace

DropTheBeat::~DropTheBeat() {
    // Gone while it runs (the level changed): the beat does not play on into
    // the next level, and the camera goes back to the standard view instead of
    // keeping the pulse's zoom.
    if (started && api::IsPlaying(kTechno)) api::Stop(kTechno);
    if (ready_ && zooming) api::ResetCamera();
}

void DropTheBeat::Init() {
    if (ready_) return;
    ready_ = true;
    started = false;
    activate = false;
    zoom = 1.0f;
    zooming = true;
    skills::EmitterLook look;
    look.texture = kNote.c_str();
    look.particleSize = {1.0f, 1.0f};
    look.interval = 1.0f / 60.0f;
    look.maxParticles = 60;
    look.lifetime = 3.0f;
    look.speed = 5.0f;
    look.layer = 6;
    noteParticles = skills::AddEmitter(owner, look);
}

void DropTheBeat::Update(float dt) {
    if (activate) {
        if (!started) {
            target = birds::Bird::Named(birds::OpponentName(owner ? owner->name : std::string())).Object();
            api::Play(kTechno);
            started = true;
        }
        ultiTimer += dt;
        beatTimer += dt;
    }

    if (zooming) {
        zoom -= dt;
        api::SetCameraZoom(zoom);
        if (zoom < kZoomFloor) {
            zoom = 1.0f;
            api::SetCameraZoom(zoom);
            zooming = false;
        }
    }

    if (!activate) return;
    if (beatTimer > kBeat) Beat();
    if (ultiTimer > kDuration) End();
}

void DropTheBeat::Beat() {
    Engine::GameObj* other = target.Get();
    // Away from the Zuva; a target standing exactly on it is stunned but not
    // pushed, as there is no direction to push it in.
    if (const birds::Bird hit = birds::Bird::Of(other)) {
        hit.Stun(kStun);
        api::SetVelocity(other, {0.0f, 0.0f});
        api::AddForce(other, api::DirectionTo(owner, other) * kPush);
    }
    noteParticles.SetEmitting(true);
    beatTimer = 0.0f;
    zooming = true;
    if (ultimates::RunnerBossPresent()) birds::Bird::Of(owner).AddScore(kBeatHits);
    if (ultimates::DamageBoss(kBeatHits)) birds::Bird::Of(owner).AddScore(kBeatHits);
}

void DropTheBeat::End() {
    api::SetCameraZoom(1.0f);
    zoom = 1.0f;
    ultiTimer = 0.0f;
    beatTimer = 0.0f;
    activate = false;
    started = false;
    target.Reset();
    noteParticles.SetEmitting(false);
    if (api::IsPlaying(kTechno)) api::Stop(kTechno);
}
