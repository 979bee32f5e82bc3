// One frame of the practice range with both birds flapping, pecking and
// dropping dung: every system runs (input, sound, scripts, physics, the
// graphics update of sprites, animators and particles) except rasterisation,
// as in the headless test harness.
//
//   ninja -C build/release -j2 practice_range_bench && ./build/release/bench/practice_range_bench

#include <benchmark/benchmark.h>

#include "level_scene.h"

namespace {

class PracticeRange {
public:
    PracticeRange() : scene_("PracticeRange", 7) {
        scene_.Frames(240);  // past the practice hold and the first blinking
    }

    // Both players press flap, peck and dung in a repeating pattern while
    // walking towards each other and back.
    void Play() {
        const int beat = frame_ % 24;
        scene_.keys().Set('W', beat == 0 || beat == 12);
        scene_.keys().Set(Engine::VK_UP, beat == 1 || beat == 13);
        scene_.keys().Set('F', beat == 6);
        scene_.keys().Set(Engine::VK_OEM_2, beat == 7);
        scene_.keys().Set('G', beat == 18);
        scene_.keys().Set(Engine::VK_OEM_PERIOD, beat == 19);
        const bool inward = (frame_ / 120) % 2 == 0;
        scene_.keys().Set('D', inward);
        scene_.keys().Set('A', !inward);
        scene_.keys().Set(Engine::VK_LEFT, inward);
        scene_.keys().Set(Engine::VK_RIGHT, !inward);
        Frame();
    }

private:
    void Frame() {
        scene_.Frame();
        ++frame_;
    }

    BenchSupport::LevelScene scene_;
    int frame_ = 0;
};

void BM_PracticeRangeFrame(benchmark::State& state) {
    PracticeRange range;
    const BenchSupport::DrawCalls before = BenchSupport::DrawCalls::Now();
    double frames = 0;
    for (auto _ : state) {
        range.Play();
        ++frames;
    }
    BenchSupport::ReportDrawCalls(state, before, frames);
}
BENCHMARK(BM_PracticeRangeFrame)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
