// One frame of the runner at its busiest: every system but rasterisation
// (window, input, sound, factory, game logic with every script, physics,
// graphics' renderable, animator and particle updates; no GL context, so no
// draw calls).
//
// The scene is built from the game's own data (run from the repository root):
// the runner level, then its clock jumped through 55 s (the 20 pieces of debris
// and their meteors), 120 s (40 pipes with their lasers, 20 girders) and 180 s
// (the boss and its 30 balls), as the debug skip does, so debris, pipes and the
// boss are on screen together, which a run never shows at once: an upper bound.
// The boss is made to fire its four-way spread (ten pool balls and eleven more),
// all six minions run, the speed lines pulse at fever speed and the score
// corners sparkle. Reported per frame:
//   - BM_RunnerBusiestFrame: Core::RunFrame at dt = 1/60 s, the 2 ms target;
//   - BM_RunnerScripts: the game logic system's Update alone (every script);
//   - BM_RunnerPhysics: the physics system's Update alone.
//
//   ninja -C build/release runner_bench && ./build/release/bench/runner_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "api/script_api.h"
#include "core/engine.h"
#include "game/menus/loading_logic.h"
#include "game/runner/boss.h"
#include "game/runner/l4_individual_minion.h"
#include "game/runner/l4_minion.h"
#include "game/runner/level4.h"
#include "graphics/graphics.h"
#include "graphics/particle_system.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "physics/physics.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class BusyRun {
public:
    BusyRun() {
        systems_ = std::make_unique<Engine::EngineSystems>(Engine::EngineOptions::Headless());
        systems_->input->active = true;
        if (!systems_->Initialize()) {
            std::printf("engine systems failed to initialise\n");
            return;
        }
        api::Seed(2024);
        Frames(1);  // the boot frame
        Engine::graphics::Graphics::instance->LoadTextureBatch(1 << 20);
        LoadArchetypeList();
        systems_->factory->LoadLevel(Engine::levelPaths["Level4"]);
        level_ = api::FindScript<Level4>("RunnerLogic");
        if (!level_) {
            std::printf("no runner level: run from the repository root\n");
            return;
        }
        Frames(90);  // the wipe opens the screen
        for (float stretch : {55.0f, 120.0f, 180.0f}) {
            level_->clock = stretch;
            Frames(2);
        }
        Frames(310);  // the boss's fade-in
        boss_ = api::FindScript<Boss>("Boss");
        if (boss_) {
            boss_->nextAttack = Boss::kFourWay;
            boss_->attackTimer = boss_->attackDelay + 0.01f;
            boss_->moveDelay = 1.0e6f;
        }
        if (L4Minion* sender = api::FindScript<L4Minion>("L4Spawners")) {
            for (const api::ObjectRef& minion : sender->minions)
                if (auto* script = api::ScriptOf<L4IndividualMinion>(minion)) {
                    script->active = true;
                    api::SetPosition(minion.Get(), {12.0f, static_cast<float>(api::RandomInt(-3, 3))});
                }
        }
        level_->feverOn = true;
        for (const char* corner : {"P1Score", "P2Score"})
            if (Engine::GameObj* anchor = api::Find(corner))
                if (auto* emitter = anchor->GetParticleSystem()) emitter->playing = true;
        Frames(120);  // the spread is under way, particles have filled in
        ready = true;
    }

    void Frames(int count) {
        for (int i = 0; i < count; ++i) systems_->core->RunFrame(kFrame);
    }
    // Keeps the scene busy between measured frames: minions back in from the
    // right, the boss at it again, the fever on, the clock held before the goal.
    void KeepBusy() {
        level_->clock = 185.0f;
        level_->feverOn = true;
        level_->feverTimer = 0.0f;
        if (boss_ && !boss_->attacking) boss_->attackTimer = boss_->attackDelay + 0.01f;
        if (L4Minion* sender = api::FindScript<L4Minion>("L4Spawners"))
            for (const api::ObjectRef& minion : sender->minions)
                if (auto* script = api::ScriptOf<L4IndividualMinion>(minion))
                    if (!script->active || api::Position(minion.Get()).x < -15.0f) {
                        script->active = true;
                        api::SetPosition(minion.Get(), {14.0f, static_cast<float>(api::RandomInt(-3, 3))});
                    }
    }
    void Counters(benchmark::State& state) const {
        state.counters["objects"] = static_cast<double>(api::LiveObjects().size());
        state.counters["balls"] = boss_ ? boss_->ballsInFlight : 0;
    }

    Engine::EngineSystems& systems() { return *systems_; }
    bool ready = false;

private:
    std::unique_ptr<Engine::EngineSystems> systems_;
    Level4* level_ = nullptr;
    Boss* boss_ = nullptr;
};

BusyRun& Scene() {
    static BusyRun scene;
    return scene;
}

void BM_RunnerBusiestFrame(benchmark::State& state) {
    BusyRun& scene = Scene();
    if (!scene.ready) {
        state.SkipWithError("no scene");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        scene.systems().core->RunFrame(kFrame);
        state.PauseTiming();
        if (++frame % 30 == 0) scene.KeepBusy();
        state.ResumeTiming();
    }
    scene.Counters(state);
}
BENCHMARK(BM_RunnerBusiestFrame)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

void BM_RunnerScripts(benchmark::State& state) {
    BusyRun& scene = Scene();
    if (!scene.ready) {
        state.SkipWithError("no scene");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        scene.systems().logic->Update(kFrame);
        state.PauseTiming();
        scene.systems().physics->Update(kFrame);
        if (++frame % 30 == 0) scene.KeepBusy();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RunnerScripts)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_RunnerPhysics(benchmark::State& state) {
    BusyRun& scene = Scene();
    if (!scene.ready) {
        state.SkipWithError("no scene");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        scene.systems().physics->Update(kFrame);
        state.PauseTiming();
        scene.systems().logic->Update(kFrame);
        if (++frame % 30 == 0) scene.KeepBusy();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RunnerPhysics)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
