// CPU time of one frame of the egg level in full action: both birds flapping
// and walking about, the power bug crossing, the branches drifting, meteors,
// the armour piece, and a UFO strike with its charge particles and the camera
// shake, with every system of the frame (window events excepted) but the
// rasteriser: input, sound (silent loopback), the scripts, physics, and the
// graphics system's updates of sprites, particles and animators.
//
// Run from the repository root (it copies the game's data into a scratch folder):
//   build/release/bench/egg_level_bench

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "api/script_api.h"
#include "game/egg/bug_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/egg/power_bugs.h"
#include "game/level_scripts/thunder_clouds.h"
#include "game/level_scripts/thunder_clouds_behaviour.h"
#include "game/round/game_mode.h"
#include "graphics/particle_system.h"
#include "level_scene.h"

namespace {

class EggScene {
public:
    EggScene() : scene_("Level1", 20261210) {
        if (!scene_.started()) return;
        // The wipe opens, the opening dialogue is skipped with Enter as a player
        // would, and the countdown runs; then the round is on.
        GameMode* mode = api::FindScript<GameMode>("GameLevelSettings");
        for (int frame = 0; frame < 60 * 30 && mode && mode->countdown; ++frame) {
            scene_.keys().Set(Engine::VK_RETURN, frame % 30 == 0);
            scene_.Frame();
        }
        scene_.keys().Set(Engine::VK_RETURN, false);
        mode_ = mode;
        ready = mode_ && !mode_->countdown;
    }

    // One frame with everything busy: the round never ends, the UFO strikes
    // again as soon as it has left, a bug is always crossing, both birds play.
    void Step() {
        ++frame_;
        if (mode_) {
            mode_->timeLeft = 80.0f;
            if (EggBehaviour* egg = api::FindScript<EggBehaviour>("Egg")) egg->health = 60;
            if (ThunderClouds* clouds = api::FindScript<ThunderClouds>("CloudSpawner")) {
                ThunderCloudsBehaviour* ufo = clouds->Ufo();
                if (ufo && !ufo->active) {
                    clouds->startNow = true;
                } else if (ufo && ufo->strikeTime > 3.5f && ufo->strikeTime < 100.0f) {
                    ufo->strikeTime = 3.5f;  // the charge shows at once and the beam follows
                }
            }
            if (PowerBugs* bugs = api::FindScript<PowerBugs>("Spawner")) bugs->delay = 0.0f;
        }
        scene_.WalkAndFlap(frame_);
        scene_.Frame();
    }

    // How busy the scene is, for the report: frames with the beam out, live particles, bugs crossing.
    int64_t beamFrames = 0, chargeFrames = 0, bugFrames = 0, platformFrames = 0;
    size_t particles = 0;
    void Count() {
        ThunderClouds* clouds = api::FindScript<ThunderClouds>("CloudSpawner");
        ThunderCloudsBehaviour* ufo = clouds ? clouds->Ufo() : nullptr;
        if (ufo && ufo->beam) ++beamFrames;
        if (ufo && ufo->Charge() && ufo->Charge()->playing) ++chargeFrames;
        if (PowerBugs* bugs = api::FindScript<PowerBugs>("Spawner"))
            if (const BugBehaviour* bug = api::ScriptOf<BugBehaviour>(bugs->bug); bug && bug->active) ++bugFrames;
        for (Engine::GameObj* platform : api::FindAll("Platform"))
            if (!api::IsParked(platform)) {
                ++platformFrames;
                break;
            }
        size_t live = 0;
        for (Engine::graphics::ParticleSystem* system : scene_.systems().graphics->particleSystems) live += system->live.size();
        particles = std::max(particles, live);
    }

    bool ready = false;

private:
    BenchSupport::LevelScene scene_;
    GameMode* mode_ = nullptr;
    long frame_ = 0;
};

void BM_EggLevelFrame(benchmark::State& state) {
    EggScene scene;
    if (!scene.ready) {
        state.SkipWithError("the egg level did not start");
        return;
    }
    const double n = BenchSupport::MeasureFrames(state, scene);
    state.counters["beam%"] = 100.0 * static_cast<double>(scene.beamFrames) / n;
    state.counters["charge%"] = 100.0 * static_cast<double>(scene.chargeFrames) / n;
    state.counters["bug%"] = 100.0 * static_cast<double>(scene.bugFrames) / n;
    state.counters["platform%"] = 100.0 * static_cast<double>(scene.platformFrames) / n;
    state.counters["maxParticles"] = static_cast<double>(scene.particles);
    state.SetLabel("one frame of a match, all systems but rasterisation");
}
BENCHMARK(BM_EggLevelFrame)->Unit(benchmark::kMicrosecond)->Iterations(3600);

}  // namespace

BENCHMARK_MAIN();
