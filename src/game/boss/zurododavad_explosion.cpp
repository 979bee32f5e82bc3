#include "game/boss/zurododavad_explosion.h"

#include "api/script_api.h"

REGISTER_SCRIPT("ZurododavadExplosion", ZurododavadExplosion);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
}  // namespace

void ZurododavadExplosion::Init() {
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    spin1.Reset();
    spin2.Reset();
}

void ZurododavadExplosion::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || (other->name != "Player" && other->name != "Player2")) return;
    const bool leftOfCentre = api::Position(other).x <= api::Position(owner).x;
    api::AddForce(other, {leftOfCentre ? -10.0f : 10.0f, 10.0f});
    (other->name == "Player" ? spin1 : spin2) = other;
}

void ZurododavadExplosion::Update(float dt) {
    for (const api::ObjectRef* spin : {&spin1, &spin2})
        if (Engine::GameObj* bird = spin->Get()) api::SetRotation(bird, api::Rotation(bird) + kSpin * dt);
}
