// Time from a level key to the level's first frame: the old level released, the
// new file read and built, every script's Init, then one whole frame. With
// TOLVEX_BENCH_DRAW set (see level_scene.h) that frame is drawn and finished.
// Each iteration loads the level again from the title screen's level, so the
// release of a level as big as the title is part of every figure.
//
//   ninja -C build/release level_load_bench &&
//   TOLVEX_BENCH_DRAW=1 xvfb-run -a -s '-screen 0 1280x720x24' ./build/release/bench/level_load_bench

#include <benchmark/benchmark.h>

#include "level_scene.h"

namespace {

constexpr const char* kLevels[] = {"MainMenu_KR", "BirdSelectionScreen", "LevelSelectionScreen", "Level1",
                                   "Level2",      "Level4",              "Zurododavad",          "PracticeRange"};

BenchSupport::LevelScene& Scene() {
    static BenchSupport::LevelScene scene("MainMenu_KR", 5);
    return scene;
}

void BM_LevelLoad(benchmark::State& state) {
    const char* key = kLevels[state.range(0)];
    state.SetLabel(key);
    BenchSupport::LevelScene& scene = Scene();
    if (!scene.started()) {
        state.SkipWithError("no game data: run from the repository root");
        return;
    }
    Engine::GameObjectFactory& factory = *scene.systems().factory;
    for (auto _ : state) {
        if (!factory.LoadLevelByKey(key)) {
            state.SkipWithError("the level did not load");
            break;
        }
        scene.Frame();
        state.PauseTiming();
        factory.LoadLevelByKey("MainMenu_KR");
        scene.Frame();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LevelLoad)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
