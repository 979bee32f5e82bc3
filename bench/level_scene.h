#pragma once
// One gameplay level on the headless engine, for the level benchmarks: the
// game's data copied into a scratch folder (so what the game writes at exit
// never touches the checkout), every system but the window, scripted keys and
// pads, the boot frame, every texture and archetype loaded, a fixed seed and
// the level loaded by its key. Run the benchmarks from the repository root.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include <unistd.h>

#include "api/script_api.h"
#include "core/core.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "objects/game_object_factory.h"
#include "wiring/engine.h"

namespace BenchSupport {

class LevelScene {
public:
    static constexpr float kFrame = 1.0f / 60.0f;

    LevelScene(const std::string& levelKey, unsigned seed) {
        namespace fs = std::filesystem;
        source_ = fs::current_path();
        scratch_ = fs::temp_directory_path() / ("tolvex_bench_" + levelKey + "_" + std::to_string(::getpid()));
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
        Frame();  // the boot frame
        systems_->graphics->LoadTextureBatch(1 << 20);
        LoadArchetypeList();
        api::Seed(seed);
        started_ = systems_->factory->LoadLevelByKey(levelKey);
    }

    ~LevelScene() {
        systems_.reset();
        std::error_code ignored;
        std::filesystem::current_path(source_, ignored);
        std::filesystem::remove_all(scratch_, ignored);
    }

    LevelScene(const LevelScene&) = delete;
    LevelScene& operator=(const LevelScene&) = delete;

    // Whether the engine started and the level loaded.
    bool started() const { return started_; }

    void Frame() { systems_->core->RunFrame(kFrame); }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }

    // Both birds busy the way the match benchmarks play them: a flap every
    // third of a second, player 1 walking right while player 2 walks left, and
    // both turning about every second and a half.
    void WalkAndFlap(long frame) {
        const bool flap = frame % 20 == 0;
        const bool outward = (frame / 90) % 2 == 0;
        keys_->Set('W', flap);
        keys_->Set(Engine::VK_UP, flap);
        keys_->Set('D', outward);
        keys_->Set('A', !outward);
        keys_->Set(Engine::VK_LEFT, outward);
        keys_->Set(Engine::VK_RIGHT, !outward);
    }

    Engine::ScriptedKeyStateSource& keys() { return *keys_; }
    Engine::EngineSystems& systems() { return *systems_; }

private:
    std::filesystem::path source_;
    std::filesystem::path scratch_;
    std::unique_ptr<Engine::EngineSystems> systems_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
    bool started_ = false;
};

// The measuring loop of a level benchmark: each iteration is one `scene.Step()`
// (timed) and one `scene.Count()` (not timed, it tallies what the frame showed).
// Returns the number of frames measured, at least 1, for per-frame shares.
template <class Scene>
double MeasureFrames(benchmark::State& state, Scene& scene) {
    int64_t frames = 0;
    for (auto _ : state) {
        scene.Step();
        state.PauseTiming();
        scene.Count();
        ++frames;
        state.ResumeTiming();
    }
    return static_cast<double>(frames > 0 ? frames : 1);
}

}  // namespace BenchSupport
