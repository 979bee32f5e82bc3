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
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "api/script_api.h"
#include "core/engine.h"
#include "game/egg/bug_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/egg/power_bugs.h"
#include "game/level_scripts/thunder_clouds.h"
#include "game/level_scripts/thunder_clouds_behaviour.h"
#include "game/menus/loading_logic.h"
#include "game/menus/transition.h"
#include "game/round/game_mode.h"
#include "graphics/graphics.h"
#include "graphics/particle_system.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class EggScene {
public:
    EggScene() {
        source_ = fs::current_path();
        const fs::path& source = source_;
        scratch_ = fs::temp_directory_path() / ("tolvex_egg_bench_" + std::to_string(::getpid()));
        fs::create_directories(scratch_ / "src" / "sound");
        fs::create_directories(scratch_ / "Resources");
        for (const char* part : {"MapData", "Objects", "Resources/Sounds"})
            fs::copy(source / part, scratch_ / part, fs::copy_options::recursive);
        fs::copy(source / "src/sound/sound.xml", scratch_ / "src/sound/sound.xml");
        for (const char* font : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"})
            if (fs::exists(source / font)) fs::copy(source / font, scratch_ / font);
        fs::current_path(scratch_);

        systems_ = std::make_unique<Engine::EngineSystems>(Engine::EngineOptions::Headless());
        auto keys = std::make_unique<Engine::ScriptedKeyStateSource>();
        keys_ = keys.get();
        systems_->input->SetKeyStateSource(std::move(keys));
        systems_->input->SetPadStateSource(std::make_unique<Engine::ScriptedPadSource>());
        systems_->input->active = true;
        if (!systems_->Initialize()) return;
        Step();  // the boot frame
        systems_->graphics->LoadTextureBatch(1 << 20);
        LoadArchetypeList();
        api::Seed(20261210);
        systems_->factory->LoadLevel(Engine::levelPaths["Level1"]);
        // The wipe opens and the countdown runs; then the round is on.
        for (int frame = 0; frame < 60 * 6; ++frame) Step();
        mode_ = api::FindScript<GameMode>("GameLevelSettings");
        ready = mode_ && !mode_->countdown;
    }
    ~EggScene() {
        systems_.reset();
        std::error_code ignored;
        fs::current_path(source_, ignored);
        fs::remove_all(scratch_, ignored);
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
        // Player 1 flaps and walks right, player 2 flaps and walks left, turn about.
        const bool flap = frame_ % 20 == 0;
        keys_->Set('W', flap);
        keys_->Set(Engine::VK_UP, flap);
        keys_->Set('D', (frame_ / 90) % 2 == 0);
        keys_->Set('A', (frame_ / 90) % 2 == 1);
        keys_->Set(Engine::VK_LEFT, (frame_ / 90) % 2 == 0);
        keys_->Set(Engine::VK_RIGHT, (frame_ / 90) % 2 == 1);
        systems_->core->RunFrame(kFrame);
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
        for (Engine::graphics::ParticleSystem* system : systems_->graphics->particleSystems) live += system->live.size();
        particles = std::max(particles, live);
    }

    bool ready = false;

private:
    fs::path source_;
    fs::path scratch_;
    std::unique_ptr<Engine::EngineSystems> systems_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
    GameMode* mode_ = nullptr;
    long frame_ = 0;
};

void BM_EggLevelFrame(benchmark::State& state) {
    EggScene scene;
    if (!scene.ready) {
        state.SkipWithError("the egg level did not start");
        return;
    }
    int64_t frames = 0;
    for (auto _ : state) {
        scene.Step();
        state.PauseTiming();
        scene.Count();
        ++frames;
        state.ResumeTiming();
    }
    const double n = static_cast<double>(frames > 0 ? frames : 1);
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
