// One frame of the practice range with both birds flapping, pecking and
// dropping dung: every system runs (input, sound, scripts, physics, the
// graphics update of sprites, animators and particles) except rasterisation,
// as in the headless test harness.
//
//   ninja -C build/release -j2 practice_range_bench && ./build/release/bench/practice_range_bench

#include <benchmark/benchmark.h>

#include <memory>

#include "api/script_api.h"
#include "core/core.h"
#include "wiring/engine.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

namespace {

class PracticeRange {
public:
    PracticeRange() {
        systems_ = std::make_unique<Engine::EngineSystems>(Engine::EngineOptions::Headless());
        auto keys = std::make_unique<Engine::ScriptedKeyStateSource>();
        keys_ = keys.get();
        systems_->input->SetKeyStateSource(std::move(keys));
        systems_->input->SetPadStateSource(std::make_unique<Engine::ScriptedPadSource>());
        systems_->input->active = true;
        systems_->Initialize();
        api::Seed(7);
        Frame();  // the boot frame
        Engine::graphics::Graphics::instance->LoadTextureBatch(1 << 20);
        LoadArchetypeList();
        systems_->factory->LoadLevel(Engine::GameObjectFactory::instance->levelPaths["PracticeRange"]);
        for (int i = 0; i < 240; ++i) Frame();  // past the practice hold and the first blinking
    }

    ~PracticeRange() { systems_.reset(); }

    // Both players press flap, peck and dung in a repeating pattern while
    // walking towards each other and back.
    void Play() {
        const int beat = frame_ % 24;
        keys_->Set('W', beat == 0 || beat == 12);
        keys_->Set(Engine::VK_UP, beat == 1 || beat == 13);
        keys_->Set('F', beat == 6);
        keys_->Set(Engine::VK_OEM_2, beat == 7);
        keys_->Set('G', beat == 18);
        keys_->Set(Engine::VK_OEM_PERIOD, beat == 19);
        const bool inward = (frame_ / 120) % 2 == 0;
        keys_->Set('D', inward);
        keys_->Set('A', !inward);
        keys_->Set(Engine::VK_LEFT, inward);
        keys_->Set(Engine::VK_RIGHT, !inward);
        Frame();
    }

private:
    void Frame() {
        systems_->core->RunFrame(1.0f / 60.0f);
        ++frame_;
    }

    std::unique_ptr<Engine::EngineSystems> systems_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
    int frame_ = 0;
};

void BM_PracticeRangeFrame(benchmark::State& state) {
    PracticeRange range;
    for (auto _ : state) range.Play();
}
BENCHMARK(BM_PracticeRangeFrame)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
