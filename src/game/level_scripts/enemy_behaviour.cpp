#include "game/level_scripts/enemy_behaviour.h"

#include <algorithm>

#include "api/script_api.h"
#include "game/egg/egg_behaviour.h"

REGISTER_SCRIPT("EnemyBehaviour", EnemyBehaviour);

namespace {
const api::ObjectName kEgg{"Egg"};
const api::ArchetypeName kDung{"Dung"};
const api::TextureName kMark{"Mark"};
const api::TextureName kPeck{"ZuvaPeck"};
const api::TextureName kFlap{"ZuvaFlap"};
const api::TextureName kFall{"ZuvaFall"};
}  // namespace

void EnemyBehaviour::Init() {
    body = api::Body(owner) ? owner : nullptr;
    egg = api::Find(kEgg);
}

void EnemyBehaviour::Update(float dt) {
    api::GameObj* self = body.Get();
    if (!owner || !self) return;
    if (needsDung) {
        dung = api::Spawn(kDung, 20.0f, -20.0f);
        api::SetPosition(dung.Get(), {20.0f, -20.0f});
        api::SetTexture(dung.Get(), kMark);
        needsDung = false;
    }
    if (stunned) {
        stunTimer += dt;
        if (stunTimer > 3.0f) {
            stunned = false;
            stunTimer = 0.0f;
        }
        return;
    }
    if (animating) {
        animTimer += dt;
        if (animTimer < animDuration) {
            api::SetTexture(self, pecking ? kPeck : kFlap);
        } else {
            api::SetTexture(self, kFall);
            animTimer = 0.0f;
            pecking = animating = false;
        }
    }
    if (touchingEgg) {
        eggTimer += dt;
        if (eggTimer > eggHealDelay) {
            if (EggBehaviour* e = api::ScriptOf<EggBehaviour>(egg)) e->health = std::min(e->health + 10, 100);
            touchingEgg = false;
            eggTimer = 0.0f;
        }
    } else {
        eggTimer = 0.0f;
    }
    if (gamepad.IsConnected()) gamepad.Poll();
    const bool padOn = gamepad.IsConnected();

    if (api::KeyTriggered(Engine::VK_UP) || (padOn && gamepad.IsATriggered())) {
        api::AddForce(self, {0.0f, 5.0f});
        animating = true;
    }
    float walk = 0.0f;
    const bool stick = padOn && !gamepad.LeftStickInDeadZone() && api::InputActive();
    if (api::KeyTriggered(Engine::VK_RIGHT) || (stick && gamepad.LeftStickX() > 0.0f)) walk = 2.0f;
    if (api::KeyTriggered(Engine::VK_LEFT) || (stick && gamepad.LeftStickX() < 0.0f)) walk = -2.0f;
    const float vertical = api::Velocity(self).y;

    if (api::KeyTriggered(static_cast<Engine::VirtualKey>('L')) ||
        (api::InputActive() && padOn && gamepad.IsRightTriggerTriggered())) {
        pecking = true;
        animating = true;
    }
    if (dungReady) {
        if (api::KeyTriggered(static_cast<Engine::VirtualKey>('K')) || (padOn && gamepad.IsLeftTriggerTriggered())) {
            api::SetPosition(dung.Get(), api::Position(self));
            dungReady = false;
        }
    } else {
        dungTimer += dt;
        if (dungTimer > 3.0f) {
            dungReady = true;
            dungTimer = 0.0f;
        }
    }
    if (api::KeyReleased(Engine::VK_LEFT) || api::KeyReleased(Engine::VK_RIGHT) ||
        (padOn && (gamepad.IsButtonReleased(6) || gamepad.IsButtonReleased(7))))
        api::SetVelocity(self, {0.0f, api::Velocity(self).y});
    if (walk != 0.0f) api::SetVelocity(self, {walk, vertical});
}

void EnemyBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == "Player" && pecking) api::AddForce(other, {5.0f, 1.0f});
    if (other->name == "Dung" && other != dung.Get()) {
        api::SetPosition(other, {-50.0f, -50.0f});
        stunned = true;
    }
}

void EnemyBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (other && other->name == "Egg") touchingEgg = true;
}

void EnemyBehaviour::OnCollisionExit(Engine::GameObj*) {
    eggTimer = 0.0f;
    touchingEgg = false;
}
