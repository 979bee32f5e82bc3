// One frame of each menu screen, the selection moving every half second: every
// system runs (input, sound, the menu scripts, the graphics update of sprites,
// labels and animators). With TOLVEX_BENCH_DRAW set (see level_scene.h) the
// frame is drawn too and the draw calls per frame are reported.
//
//   ninja -C build/release menu_frame_bench &&
//   TOLVEX_BENCH_DRAW=1 xvfb-run -a -s '-screen 0 1280x720x24' ./build/release/bench/menu_frame_bench

#include <benchmark/benchmark.h>

#include <cstdio>

#include "level_scene.h"

namespace {

// The VS screen is left out: it moves on to its level by itself.
constexpr const char* kMenus[] = {"MainMenu_KR", "OptionLevel", "CoopSelection", "BirdSelectionScreen",
                                  "LevelSelectionScreen"};

void BM_MenuFrame(benchmark::State& state) {
    const char* key = kMenus[state.range(0)];
    state.SetLabel(key);
    BenchSupport::LevelScene scene(key, 11);
    if (!scene.started()) {
        state.SkipWithError("no menu: run from the repository root");
        return;
    }
    scene.Frames(60);  // past any opening wipe
    long frame = 0;
    const BenchSupport::DrawCalls before = BenchSupport::DrawCalls::Now();
    for (auto _ : state) {
        // Down then up, so the screen stays where it is while its selection moves.
        scene.keys().Set(Engine::VK_DOWN, frame % 60 == 0);
        scene.keys().Set(Engine::VK_UP, frame % 60 == 30);
        scene.keys().Set('S', frame % 60 == 15);
        scene.keys().Set('W', frame % 60 == 45);
        scene.Frame();
        ++frame;
    }
    BenchSupport::ReportDrawCalls(state, before, static_cast<double>(frame));
    state.counters["objects"] = static_cast<double>(api::LiveObjects().size());
}
BENCHMARK(BM_MenuFrame)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
