// One frame of the runner at its busiest: every system but rasterisation
// (window, input, sound, factory, game logic with every script, physics,
// graphics' renderable, animator and particle updates; no GL context, so no
// draw calls).
//
// The scene is built from the game's own data (run from the repository root):
// the runner level played frame by frame from its start to 190 s, so everything
// the run has spawned and parked is there (the 20 pieces of debris, 40 pipes
// with their lasers and 20 girders waiting at their parking place, the boss and
// its 30 balls). Then the busiest moment a run can show is forced: the boss
// fires its four-way spread (ten pool balls and eleven more), all six minions
// run, the debris is brought back across the screen, the speed lines pulse at
// fever speed and the score corners sparkle. Reported per frame:
//   - BM_RunnerBusiestFrame: Core::RunFrame at dt = 1/60 s (drawn too with
//     TOLVEX_BENCH_DRAW, see level_scene.h);
//   - BM_RunnerScripts: the game logic system's Update alone (every script);
//   - BM_RunnerPhysics: the physics system's Update alone.
//
//   ninja -C build/release runner_bench && ./build/release/bench/runner_bench
//
// The set-up plays the run without drawing (see BusyRun); it prints how long it took.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "api/script_api.h"
#include "game/runner/boss.h"
#include "game/runner/l4_debris.h"
#include "game/runner/l4_individual_minion.h"
#include "game/runner/l4_minion.h"
#include "game/runner/level4.h"
#include "graphics/graphics.h"
#include "graphics/particle_system.h"
#include "level_scene.h"
#include "logic/game_logic.h"
#include "physics/physics.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class BusyRun {
public:
    BusyRun() : scene_("Level4", 2024) {
        if (!scene_.started()) {
            std::printf("no runner level: run from the repository root\n");
            return;
        }
        level_ = api::FindScript<Level4>("RunnerLogic");
        if (!level_) {
            std::printf("no runner level: run from the repository root\n");
            return;
        }
        const auto setUpStart = std::chrono::steady_clock::now();
        // The run up to the busiest moment is played without drawing: sprites,
        // particles and animators still advance every frame, so the scene is the
        // one a drawn run reaches, and only the measured frames are drawn
        // (with TOLVEX_BENCH_DRAW, drawing all 11,400 set-up frames took minutes).
        // TOLVEX_BENCH_SETTLE=drawn draws them anyway, to compare the two.
        Engine::graphics::Graphics* graphics = scene_.systems().graphics;
        const char* settle = std::getenv("TOLVEX_BENCH_SETTLE");
        graphics->drawFrames = settle && std::strcmp(settle, "drawn") == 0;
        for (int frame = 0; frame < 60 * 240 && level_->clock < 190.0f; ++frame) Frames(1);
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
        int piece = 0;
        for (Engine::GameObj* debris : api::FindAll("L4Debris")) {
            api::SetPosition(debris, {-14.0f + 1.5f * static_cast<float>(piece % 20), piece % 2 ? 6.5f : -7.0f});
            if (auto* script = api::ScriptOf<L4Debris>(debris)) script->vx = 3.0f;
            ++piece;
        }
        level_->feverOn = true;
        for (const char* corner : {"P1Score", "P2Score"})
            if (Engine::GameObj* anchor = api::Find(corner))
                if (auto* emitter = anchor->GetParticleSystem()) emitter->playing = true;
        Frames(120);  // the spread is under way, particles have filled in
        graphics->drawFrames = true;
        const std::chrono::duration<double> setUp = std::chrono::steady_clock::now() - setUpStart;
        std::printf("set-up: %.1f s\n", setUp.count());
        ready = true;
    }

    void Frames(int count) { scene_.Frames(count); }
    // Keeps the scene busy between measured frames: minions back in from the
    // right, the boss at it again, the fever on, the clock held before the goal.
    void KeepBusy() {
        for (Engine::GameObj* debris : api::FindAll("L4Debris"))
            if (api::Position(debris).x < -15.0f) api::SetPosition(debris, {15.5f, api::Position(debris).y});
        level_->clock = 190.0f;
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
        int onScreen = 0;
        size_t contacts = 0;
        for (Engine::GameObj* object : api::LiveObjects()) {
            contacts += object->previousContacts.size();
            const api::vec2 at = api::Position(object);
            onScreen += at.x > -16.0f && at.x < 16.0f && at.y > -9.0f && at.y < 9.0f;
        }
        state.counters["on_screen"] = onScreen;
        state.counters["contacts"] = static_cast<double>(contacts);
    }

    Engine::EngineSystems& systems() { return scene_.systems(); }
    bool ready = false;

private:
    BenchSupport::LevelScene scene_;
    Level4* level_ = nullptr;
    Boss* boss_ = nullptr;
};

BusyRun& Scene() {
    static BusyRun scene;
    return scene;
}

// Times `measured` once an iteration; `between` (untimed) runs the rest of the
// frame and keeps the scene busy every 30 frames.
template <class Measured, class Between>
void MeasureRunner(benchmark::State& state, Measured measured, Between between) {
    BusyRun& scene = Scene();
    if (!scene.ready) {
        state.SkipWithError("no scene");
        return;
    }
    int frame = 0;
    const BenchSupport::DrawCalls before = BenchSupport::DrawCalls::Now();
    for (auto _ : state) {
        measured(scene.systems());
        state.PauseTiming();
        between(scene.systems());
        if (++frame % 30 == 0) scene.KeepBusy();
        state.ResumeTiming();
    }
    BenchSupport::ReportDrawCalls(state, before, frame);
}

void BM_RunnerBusiestFrame(benchmark::State& state) {
    MeasureRunner(
        state, [](Engine::EngineSystems&) { Scene().Frames(1); },
        [](Engine::EngineSystems&) {});
    if (Scene().ready) Scene().Counters(state);
}
BENCHMARK(BM_RunnerBusiestFrame)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

// The same frame with every mover tested against every other (the former physics
// step, kept as the reference), for a side-by-side figure in one run.
void BM_RunnerBusiestFrameEveryPair(benchmark::State& state) {
    Scene();
    Engine::Physics* physics = Engine::Physics::instance;
    if (physics) physics->testEveryMoverPair = true;
    MeasureRunner(
        state, [](Engine::EngineSystems&) { Scene().Frames(1); },
        [](Engine::EngineSystems&) {});
    if (physics) physics->testEveryMoverPair = false;
}
BENCHMARK(BM_RunnerBusiestFrameEveryPair)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

void BM_RunnerScripts(benchmark::State& state) {
    MeasureRunner(
        state, [](Engine::EngineSystems& systems) { systems.logic->Update(kFrame); },
        [](Engine::EngineSystems& systems) { systems.physics->Update(kFrame); });
}
BENCHMARK(BM_RunnerScripts)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_RunnerPhysics(benchmark::State& state) {
    MeasureRunner(
        state, [](Engine::EngineSystems& systems) { systems.physics->Update(kFrame); },
        [](Engine::EngineSystems& systems) { systems.logic->Update(kFrame); });
}
BENCHMARK(BM_RunnerPhysics)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
