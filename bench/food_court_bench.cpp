// CPU time of one frame of the food court in full action: both customers in
// the hall (walking in, queueing, eating, leaving and coming back), both birds
// flapping, walking, pecking and dropping dung, scraps falling and lying about;
// with every system of the frame (window events excepted) but the rasteriser:
// input, sound (silent loopback), the scripts, physics, and the graphics
// system's updates of sprites, particles and animators.
//
// Run from the repository root (it copies the game's data into a scratch folder):
//   build/release/bench/food_court_bench

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "api/script_api.h"
#include "game/foodcourt/human_spawner.h"
#include "game/foodcourt/lv2_timer.h"
#include "level_scene.h"

namespace {

class FoodCourt {
public:
    FoodCourt() : scene_("Level2", 20261210) {
        if (!scene_.started()) return;
        // The first customer comes after ten seconds, the second ten later.
        for (int frame = 0; frame < 60 * 22; ++frame) Step();
        ready = api::FindAll("HumanCustomer").size() == 2;
    }

    // One frame with everything busy: the clock never runs out, customers come
    // back as soon as one has left, and both birds play.
    void Step() {
        ++frame_;
        if (Lv2Timer* timer = api::FindScript<Lv2Timer>("Timer")) timer->seconds = 100.0f;
        if (HumanSpawner* spawner = api::FindScript<HumanSpawner>("CustomerSpawner"))
            spawner->timer = std::min(spawner->timer, 1.0f);
        scene_.WalkAndFlap(frame_);
        const long beat = frame_ % 24;
        scene_.keys().Set('F', beat == 6);
        scene_.keys().Set(Engine::VK_OEM_2, beat == 7);
        scene_.keys().Set('G', beat == 18);
        scene_.keys().Set(Engine::VK_OEM_PERIOD, beat == 19);
        scene_.Frame();
    }

    int64_t scraps = 0, customers = 0;
    void Count() {
        for (Engine::GameObj* scrap : api::FindAll("Scrap")) scraps += !api::IsParked(scrap);
        for (Engine::GameObj* customer : api::FindAll("HumanCustomer")) customers += !api::IsParked(customer);
    }

    bool ready = false;

private:
    BenchSupport::LevelScene scene_;
    long frame_ = 0;
};

void BM_FoodCourtFrame(benchmark::State& state) {
    FoodCourt court;
    if (!court.ready) {
        state.SkipWithError("the food court did not fill");
        return;
    }
    const double n = BenchSupport::MeasureFrames(state, court);
    state.counters["scraps"] = static_cast<double>(court.scraps) / n;
    state.counters["customers"] = static_cast<double>(court.customers) / n;
    state.SetLabel("one frame of the food court, all systems but rasterisation");
}
BENCHMARK(BM_FoodCourtFrame)->Unit(benchmark::kMicrosecond)->Iterations(3600);

}  // namespace

BENCHMARK_MAIN();
