// CPU time of one frame of the boss level's fight phase in full action: the
// risen boss running its attacks back to back (telegraph shadow, barrier,
// laser with its lock-on, grab with arms and cages), both laser belts sweeping,
// both turrets scanning and firing, power bugs crossing, both birds flapping and
// walking about; with every system of the frame (window events excepted) but
// the rasteriser: input, sound (silent loopback), the scripts, physics, and the
// graphics system's updates of sprites, particles and animators.
//
// Run from the repository root (it copies the game's data into a scratch folder):
//   build/release/bench/boss_bench

#include <benchmark/benchmark.h>

#include <cstdint>

#include "api/script_api.h"
#include "game/boss/fight_state.h"
#include "game/boss/laser_hazard_behaviour.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_level_control.h"
#include "game/game_values.h"
#include "game/story/dialog_scene.h"
#include "level_scene.h"

namespace {

class BossScene {
public:
    BossScene() : scene_("Zurododavad", 20261210) {
        if (!scene_.started()) return;
        Step();
        if (DialogScene* dialogue = api::FindScript<DialogScene>("ZurododavadControl")) dialogue->active = false;
        Step();
        // Five orbs open the fight at once; the boss rises for six seconds.
        boss::Fight()->orbCount = 5;
        for (int frame = 0; frame < 60 * 8; ++frame) Step();
        mode_ = api::FindScript<ZurododavadFinalBossMode>("Level4Boss");
        life_ = api::FindScript<ZurododavadBossBehaviour>("Level4Boss");
        control_ = api::FindScript<ZurododavadLevelControl>("ZurododavadControl");
        ready = mode_ && life_ && control_ && boss::FightNow().vulnerable && !mode_->idlePending;
    }

    // One frame with everything busy: the boss never dies and its telegraphs are
    // cut to half a second, the belts sweep again as soon as they are parked.
    void Step() {
        ++frame_;
        if (ready) {
            life_->bossHealth = 4000;
            if (mode_->attackState == ZurododavadFinalBossMode::kTelegraph && mode_->attackTimer < 6.5f)
                mode_->attackTimer = 6.5f;
            if (control_->beltTimer > 0.0f) control_->beltTimer = 11.0f;
        }
        scene_.WalkAndFlap(frame_);
        scene_.Frame();
    }

    int64_t attackFrames[4] = {0, 0, 0, 0};
    int64_t beltFrames = 0, turretFiringFrames = 0;
    void Count() {
        const int32_t attack = mode_->attackState;
        if (attack >= 0 && attack < 4) ++attackFrames[attack];
        if (Engine::GameObj* belt = api::Find("LaserBeltLeft"); belt && api::Position(belt).x > -30.0f) ++beltFrames;
        for (const char* name : {"ZurododavadLeftLaser", "ZurododavadRightLaser"})
            if (LaserHazardBehaviour* turret = api::FindScript<LaserHazardBehaviour>(name); turret && turret->locked) {
                ++turretFiringFrames;
                break;
            }
    }

    bool ready = false;

private:
    BenchSupport::LevelScene scene_;
    ZurododavadFinalBossMode* mode_ = nullptr;
    ZurododavadBossBehaviour* life_ = nullptr;
    ZurododavadLevelControl* control_ = nullptr;
    long frame_ = 0;
};

void BM_BossFightFrame(benchmark::State& state) {
    BossScene scene;
    if (!scene.ready) {
        state.SkipWithError("the boss fight did not start");
        return;
    }
    const double n = BenchSupport::MeasureFrames(state, scene);
    state.counters["telegraph%"] = 100.0 * static_cast<double>(scene.attackFrames[0]) / n;
    state.counters["barrier%"] = 100.0 * static_cast<double>(scene.attackFrames[1]) / n;
    state.counters["laser%"] = 100.0 * static_cast<double>(scene.attackFrames[2]) / n;
    state.counters["grab%"] = 100.0 * static_cast<double>(scene.attackFrames[3]) / n;
    state.counters["belts%"] = 100.0 * static_cast<double>(scene.beltFrames) / n;
    state.counters["turretLocked%"] = 100.0 * static_cast<double>(scene.turretFiringFrames) / n;
    state.SetLabel("one frame of the boss fight, all systems but rasterisation");
}
BENCHMARK(BM_BossFightFrame)->Unit(benchmark::kMicrosecond)->Iterations(3600);

}  // namespace

BENCHMARK_MAIN();
