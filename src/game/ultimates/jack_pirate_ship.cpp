#include "game/ultimates/jack_pirate_ship.h"

#include "api/bodies.h"
#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/boss_hits.h"

REGISTER_SCRIPT("JackPirateShip", JackPirateShip);

namespace {
const api::ObjectName kShipName{"PirateShip"};
const api::ArchetypeName kShipArchetype{"PirateShip"};
const api::ArchetypeName kBeam{"VerticalPirateBeam"};
const api::SoundEvent kCall{"event:/Zora_Pirates_Ulti_Call"};
const api::SoundEvent kBroadside{"event:/Zora_Pirates_Ulti"};
const api::TextureName kBeamSheet{"PirateBeam"};

struct BeamPlacement {
    Engine::vec2 at;
    float degrees;
};
// Left diagonal, right diagonal, straight down.
constexpr BeamPlacement kPlacements[] = {{{-13.5f, -4.0f}, -45.0f}, {{13.5f, -4.0f}, 45.0f}, {{0.3f, -7.0f}, 0.0f}};

// The line each beam covers, swept with a box of the given size.
struct BeamSweep {
    Engine::vec2 from;
    Engine::vec2 direction;
    Engine::vec2 extent;
};
constexpr float kSweepLength = 100.0f;
constexpr BeamSweep kSweeps[] = {
    {{-4.5f, 5.5f}, {-1.0f, -1.0f}, {1.0f, 0.0f}},
    {{0.0f, 8.0f}, {0.0f, -1.0f}, {1.0f, 1.0f}},
    {{5.0f, 5.5f}, {1.0f, -1.0f}, {1.0f, 1.0f}},
};
}  // namespace

JackPirateShip::~JackPirateShip() {
    // Gone in the middle of its shake (the level changed): back to the standard view.
    if (shaking_) api::ResetCamera();
}

void JackPirateShip::Init() {
    if (ready_) return;
    ready_ = true;
    targetName = birds::OpponentName(owner ? owner->name : std::string());
    ship = api::Find(kShipName);
    // A level without its own ship gets one, waiting above the field.
    if (!ship) ship = api::Spawn(kShipArchetype, 0.0f, kDockedY);
    arrived = beamsSpawned = callPlayed = false;
    ultiTimer = 0.0f;
}

void JackPirateShip::Update(float dt) {
    Engine::GameObj* boat = ship.Get();
    if (!activate) {
        if (boat && api::Position(boat).y < kDockedY) api::MoveBy(boat, {0.0f, kAscent * dt});
        if (!boat || api::Position(boat).y >= kDockedY) callPlayed = false;
        return;
    }

    if (!callPlayed) {
        api::Play(kCall);
        callPlayed = true;
    }
    if (!arrived) {
        if (boat && api::Position(boat).y > kArrivedY)
            api::MoveBy(boat, {0.0f, -kDescent * dt});
        else
            arrived = true;
    }
    if (!arrived) return;

    ultiTimer += dt;
    if (!beamsSpawned) SpawnBeams();
    SweepBeams();
    api::Shake(shake, shakePeriod, kShake, dt);
    shaking_ = ultiTimer <= kShake;
    if (ultiTimer > kFiring) Finish();
}

void JackPirateShip::SpawnBeams() {
    beamsSpawned = true;
    for (const BeamPlacement& placement : kPlacements) {
        Engine::GameObj* beam = api::Spawn(kBeam, placement.at.x, placement.at.y);
        if (!beam) continue;
        api::SetRotation(beam, placement.degrees);
        birds::Bird::Of(owner).MarkShot(beam);
        skills::ShowSheet(beam, kBeamSheet, 0.1f, 5);
        beams.emplace_back(beam);
    }
    // Under the ship's hull, over the field.
    skills::SortDrawOrder();
    api::Play(kBroadside);
    if (ultimates::DamageBoss(kBossDamage)) birds::Bird::Of(owner).AddScore(kBossDamage);
}

void JackPirateShip::SweepBeams() {
    for (const BeamSweep& sweep : kSweeps) {
        for (const api::ObjectRef& touched : api::CastBox(sweep.from, sweep.extent, kSweepLength, sweep.direction)) {
            Engine::GameObj* object = touched.Get();
            if (!object) continue;
            if (object->name == targetName && birds::Bird::Of(object)) {
                birds::Bird::Of(object).Kill(true);
                break;
            }
            if (object->name == "Boss") birds::Bird::Of(owner).AddScore(1);
        }
    }
}

void JackPirateShip::Finish() {
    activate = false;
    for (const api::ObjectRef& beam : beams) api::Destroy(beam.Get());
    beams.clear();
    beamsSpawned = false;
    arrived = false;
    ultiTimer = 0.0f;
    shaking_ = false;
}
