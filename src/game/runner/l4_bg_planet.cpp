#include "game/runner/l4_bg_planet.h"

#include <string>

REGISTER_SCRIPT("L4BGPlanet", L4BGPlanet);

namespace {
const api::ObjectName kPlanets[] = {api::ObjectName{"Planet1"}, api::ObjectName{"Planet2"},
                                    api::ObjectName{"Planet3"}, api::ObjectName{"Planet4"},
                                    api::ObjectName{"Planet5"}, api::ObjectName{"Planet6"}};
const api::ArchetypeName kUfo{"UFOArche"};
const api::ArchetypeName kAsteroid{"AsteroidArche"};

float Uniform(float range) { return static_cast<float>(api::Rand()) * range / 32767.0f; }
api::vec2 RandomVelocity() {
    const float x = Uniform(0.5f) - 0.25f;
    return {x, Uniform(0.5f) - 0.25f};
}
api::vec2 RandomPosition() {
    const float x = Uniform(40.0f) - 20.0f;
    return {x, Uniform(20.0f) - 10.0f};
}
}  // namespace

void L4BGPlanet::Init() {
    drifters.clear();
    for (const api::ObjectName& name : kPlanets) {
        Engine::GameObj* planet = api::Find(name);
        const api::vec2 velocity = RandomVelocity();
        const api::vec2 position = RandomPosition();
        if (!planet) continue;
        api::SetVelocity(planet, velocity);
        api::SetPosition(planet, position);
        drifters.emplace_back(planet);
    }
    for (int i = 0; i < 2; ++i) {
        const api::vec2 position = RandomPosition();
        const api::vec2 velocity = RandomVelocity();
        Engine::GameObj* ufo = api::Spawn(kUfo, position.x, position.y);
        if (!ufo) continue;
        api::SetPosition(ufo, position);
        api::SetVelocity(ufo, velocity);
        drifters.emplace_back(ufo);
    }
    for (int i = 8; i <= 19; ++i) {
        const float x = Uniform(40.0f) - 20.0f + 0.1f * static_cast<float>(i);
        const float y = Uniform(20.0f) - 10.0f + 0.1f * static_cast<float>(i);
        Engine::GameObj* rock = api::Spawn(kAsteroid, x, y);
        if (!rock) continue;
        api::SetPosition(rock, {x, y});
        api::SetVelocity(rock, {-0.5f, -0.5f});
        drifters.emplace_back(rock);
    }
}

void L4BGPlanet::Update(float dt) {
    api::SetRotation(owner, api::Rotation(owner) + 5.0f * dt);
    for (const api::ObjectRef& ref : drifters) {
        Engine::GameObj* drifter = ref.Get();
        if (!drifter) continue;
        api::vec2 at = api::Position(drifter);
        const api::vec2 start = at;
        if (start.x < -kBandX) at.x = kBandX;
        if (start.x > kBandX) at.x = -kBandX;
        if (start.y < -kBandY) at.y = kBandY;
        if (start.y > kBandY) at.y = -kBandY;
        if (at.x != start.x || at.y != start.y) api::SetPosition(drifter, at);
    }
}
