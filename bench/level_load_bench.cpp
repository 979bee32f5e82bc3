// Time from a level key to the level's first frame: the old level released, the
// new file read and built, every script's Init, then one whole frame. With
// TOLVEX_BENCH_DRAW set (see level_scene.h) that frame is drawn and finished.
// Each iteration loads the level again from the title screen's level, so the
// release of a level as big as the title is part of every figure.
//
// The second argument is the long-load picture (graphics/long_load_screen.h):
// 0 never shown, as before there was one; 1 the game's threshold, which loads
// this quick never reach; 2 threshold 0 and no interval, so the picture is drawn
// after every object built: what a slow load pays for its bar at most.
// `bar_pictures` counts the pictures a load showed.
//
//   ninja -C build/release level_load_bench &&
//   TOLVEX_BENCH_DRAW=1 xvfb-run -a -s '-screen 0 1280x720x24' ./build/release/bench/level_load_bench

#include <benchmark/benchmark.h>

#include <cstdint>

#include "graphics/graphics.h"
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
    Engine::graphics::LongLoadScreen& longLoad = scene.systems().graphics->longLoad;
    const Engine::graphics::LongLoadScreen game;  // the game's threshold and interval
    const int64_t bar = state.range(1);
    longLoad.thresholdNs = bar == 0 ? UINT64_MAX : bar == 1 ? game.thresholdNs : 0;
    longLoad.intervalNs = bar == 2 ? 0 : game.intervalNs;
    size_t pictures = 0, loads = 0;
    for (auto _ : state) {
        if (!factory.LoadLevelByKey(key)) {
            state.SkipWithError("the level did not load");
            break;
        }
        scene.Frame();
        state.PauseTiming();
        pictures += longLoad.Shown().size();
        ++loads;
        factory.LoadLevelByKey("MainMenu_KR");
        scene.Frame();
        state.ResumeTiming();
    }
    state.counters["bar_pictures"] = loads ? static_cast<double>(pictures) / static_cast<double>(loads) : 0.0;
    longLoad.thresholdNs = game.thresholdNs;
    longLoad.intervalNs = game.intervalNs;
}
BENCHMARK(BM_LevelLoad)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
