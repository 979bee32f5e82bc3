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

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "api/script_api.h"
#include "wiring/engine.h"
#include "game/boss/laser_hazard_behaviour.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_level_control.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "game/story/dialog_scene.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class BossScene {
public:
    BossScene() {
        source_ = fs::current_path();
        scratch_ = fs::temp_directory_path() / ("tolvex_boss_bench_" + std::to_string(::getpid()));
        fs::create_directories(scratch_ / "src" / "sound");
        fs::create_directories(scratch_ / "Resources");
        for (const char* part : {"MapData", "Objects", "Resources/Sounds"})
            fs::copy(source_ / part, scratch_ / part, fs::copy_options::recursive);
        fs::copy(source_ / "src/sound/sound.xml", scratch_ / "src/sound/sound.xml");
        for (const char* font : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"})
            if (fs::exists(source_ / font)) fs::copy(source_ / font, scratch_ / font);
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
        systems_->factory->LoadLevel(Engine::GameObjectFactory::instance->levelPaths["Zurododavad"]);
        Step();
        if (DialogScene* dialogue = api::FindScript<DialogScene>("ZurododavadControl")) dialogue->active = false;
        Step();
        // Five orbs open the fight at once; the boss rises for six seconds.
        Game::bossOrbCount = 5;
        for (int frame = 0; frame < 60 * 8; ++frame) Step();
        mode_ = api::FindScript<ZurododavadFinalBossMode>("Level4Boss");
        life_ = api::FindScript<ZurododavadBossBehaviour>("Level4Boss");
        control_ = api::FindScript<ZurododavadLevelControl>("ZurododavadControl");
        ready = mode_ && life_ && control_ && Game::bossVulnerable && !mode_->idlePending;
    }
    ~BossScene() {
        systems_.reset();
        std::error_code ignored;
        fs::current_path(source_, ignored);
        fs::remove_all(scratch_, ignored);
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
        const bool flap = frame_ % 20 == 0;
        keys_->Set('W', flap);
        keys_->Set(Engine::VK_UP, flap);
        keys_->Set('D', (frame_ / 90) % 2 == 0);
        keys_->Set('A', (frame_ / 90) % 2 == 1);
        keys_->Set(Engine::VK_LEFT, (frame_ / 90) % 2 == 0);
        keys_->Set(Engine::VK_RIGHT, (frame_ / 90) % 2 == 1);
        systems_->core->RunFrame(kFrame);
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
    fs::path source_;
    fs::path scratch_;
    std::unique_ptr<Engine::EngineSystems> systems_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
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
    int64_t frames = 0;
    for (auto _ : state) {
        scene.Step();
        state.PauseTiming();
        scene.Count();
        ++frames;
        state.ResumeTiming();
    }
    const double n = static_cast<double>(frames > 0 ? frames : 1);
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
