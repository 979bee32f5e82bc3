// One physics step of a level with N dynamic boxes resting on M static tiles.
// The boxes sit on the tiles (stacked two high once N exceeds M), so every step
// pushes them out of the floor and keeps their contact lists busy.
//
//   ninja -C build/release physics_bench && ./build/release/bench/physics_bench
//       --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
// (one line; the repetitions interleave both ways of finding pairs, so load from
// other processes falls on both alike)

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "wiring/engine.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "physics/physics.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace {

using Engine::GameObj;

class BoxField {
public:
    BoxField(int movers, int statics) {
        systems_ = std::make_unique<Engine::EngineSystems>(Engine::EngineOptions::Headless());
        systems_->Initialize();
        systems_->logic->boot = false;
        // More objects than the level pool holds: the bench makes its own.
        Engine::Physics::instance->world.staticTree = std::make_unique<Engine::StaticTree>();
        constexpr int kTilesPerRow = 50;
        std::vector<Engine::vec2> tiles;
        for (int i = 0; i < statics; ++i) {
            const Engine::vec2 at(-70.0f + 2.8f * (i % kTilesPerRow), -70.0f + 3.5f * (i / kTilesPerRow));
            tiles.push_back(at);
            Add(at, {1.0f, 1.0f}, Engine::kStaticMotion);
        }
        for (int i = 0; i < movers; ++i) {
            const Engine::vec2 tile = tiles[static_cast<size_t>(i % statics)];
            Add({tile.x, tile.y + 0.95f + 0.9f * static_cast<float>(i / statics)}, {0.8f, 0.8f}, Engine::kDynamicMotion);
        }
        for (int i = 0; i < 30; ++i) Step();  // settle
    }

    ~BoxField() {
        objects_.clear();
        systems_.reset();
    }

    void Step() { systems_->physics->Update(1.0f / 60.0f); }

private:
    void Add(Engine::vec2 at, Engine::vec2 size, int motion) {
        auto object = std::make_unique<GameObj>(0, size.x, size.y, 0.0f, "", "Default", at.x, at.y);
        object->active = true;
        object->AddComponent(Engine::kRigidBodyKind);
        object->GetRigidBody()->SetMotionType(motion);
        object->AddComponent(Engine::kColliderKind);
        objects_.push_back(std::move(object));
    }

    std::unique_ptr<Engine::EngineSystems> systems_;
    std::vector<std::unique_ptr<GameObj>> objects_;
};

// The third argument picks how movers find each other: 1 the broadphase, 0 every
// pair tested (the former step, kept as the reference).
void BM_PhysicsStep(benchmark::State& state) {
    BoxField field(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Engine::Physics::instance->testEveryMoverPair = state.range(2) == 0;
    for (auto _ : state) field.Step();
    state.counters["movers"] = static_cast<double>(state.range(0));
    state.counters["statics"] = static_cast<double>(state.range(1));
}

BENCHMARK(BM_PhysicsStep)
    ->ArgNames({"movers", "statics", "broadphase"})
    ->ArgsProduct({{50, 200, 800}, {500, 2000}, {0, 1}})
    ->ArgsProduct({{100, 400, 1600}, {2000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
