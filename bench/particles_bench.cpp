// 30000 live particles per frame: the emitters' Update and the world layer's
// submission into the batch renderer.
//
// The scene: 60 emitters spread over the visible 32 x 18 units, 500 particles
// each (the whole pool), quads of 0.1 x 0.1 units drifting slowly so that they
// stay in view. Reported per frame:
//   - BM_ParticlesUpdate: every emitter's Update (motion; nothing expires);
//   - BM_ParticlesQueue: the world layer's quads written into the mapped buffer
//     (begin, every particle's Submit, end), without the draw call;
//   - BM_ParticlesUpdateAndQueue: both, the figure with the 4 ms target;
//   - BM_ParticlesUpdateAndQueueChurn: the same while particles expire and
//     bursting emitters refill from the pool (lifespans of 1 to 2 s, so about
//     330 particles are recycled a frame);
//   - BM_ParticlesFrame: Update, queue and the draw call, read back (fill-bound
//     on a software rasteriser, for information).
//
// Run from the repository root (it reads src/shaders):
//   xvfb-run -a -s '-screen 0 1280x720x24' build/bench/particles_bench
// or without a display, SDL's offscreen driver is picked by itself.

#include <GL/glew.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/core.h"
#include "graphics/batch_renderer2d.h"
#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/particle_system.h"
#include "graphics/shader.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"

using namespace Engine;
using namespace Engine::graphics;

namespace {

constexpr int kWidth = 1280, kHeight = 720;
constexpr int kEmitters = 60;
constexpr int kPerEmitter = 500;  // 60 x 500 = the 30000-particle pool
constexpr float kFrame = 1.0f / 60.0f;

class Scene {
public:
    Scene() {
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        window_ = SDL_CreateWindow("particles bench", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL);
        if (!window_) {
            std::printf("no GL window: %s\n", SDL_GetError());
            return;
        }
        core_ = std::make_unique<Core>();
        graphics_ = std::make_unique<Graphics>(&window_, kWidth, kHeight, "");
        graphics_->showSetupFailure = nullptr;
        factory_ = std::make_unique<GameObjectFactory>();
        core_->Register(factory_.get());
        core_->Register(graphics_.get());
        if (!core_->Initialize()) return;
        SDL_GL_SetSwapInterval(0);
        graphics_->LoadTextureBatch(100000);  // the particle texture is far down the list
        graphics_->Resize(0, 0, kWidth, kHeight);  // camera at the origin, zoom 1
        ready = true;
    }
    ~Scene() {
        factory_.reset();
        graphics_.reset();
        core_.reset();
        if (window_) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Fills the pool: each emitter bursts its 500 particles once. With `churn`
    // the emitters keep bursting, and their particles live 1 to 2 s.
    void Fill(bool churn) {
        for (int i = 0; i < kEmitters; ++i) {
            GameObj& object = *factory_->objectPool[static_cast<size_t>(i)];
            object.ClearComponents();
            object.active = true;
            object.transform->position = {-14.0f + 2.8f * static_cast<float>(i % 11),
                                          -7.0f + 2.8f * static_cast<float>(i / 11)};
            object.AddComponent(kParticleSystemKind);
            ParticleSystem& e = *object.GetParticleSystem();
            e.SetEmitterTransform({0.0f, 0.0f, 0.0f}, {2.0f, 2.0f}, 0.0f);
            e.particleSize = {0.1f, 0.1f};
            e.speed = 0.2f;  // 0.04 units a second: the cloud stays in view
            e.maxParticles = kPerEmitter;
            e.burst = true;
            e.playing = true;
            e.stopAfterUpdate = !churn;
            e.lifespan = churn ? 1.0f + static_cast<float>(i) / kEmitters : 1.0e6f;
            e.colorMin = 0xFF202020;
            e.colorMax = 0xFFFFFFFF;
            e.Update(kFrame);
        }
        // Spread the expiries of the churning scene before measuring.
        for (int frame = 0; churn && frame < 150; ++frame) UpdateEmitters();
    }

    void UpdateEmitters() {
        for (ParticleSystem* e : graphics_->particleSystems) e->Update(kFrame);
    }
    // The world layer's quads into the mapped buffer; the batch is then dropped.
    void Queue() {
        Layer& world = *graphics_->worldLayer();
        auto& renderer = static_cast<BatchRenderer2D&>(*world.renderer());
        glUseProgram(world.shader->program());
        renderer.begin();
        for (Renderable2D* r : world.renderables)
            if (!r->hidden) r->Submit(&renderer);
        renderer.end();
        queued = static_cast<size_t>(renderer.indexCount / 6);
        renderer.indexCount = 0;
        renderer.textureSlots.clear();
    }
    void DrawFrame() {
        graphics_->DrawFrame(kFrame);
        uint8_t pixel[4];
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        benchmark::DoNotOptimize(pixel);
    }
    size_t LiveParticles() const {
        size_t live = 0;
        for (const ParticleSystem* e : graphics_->particleSystems) live += e->live.size();
        return live;
    }

    bool ready = false;
    size_t queued = 0;

private:
    SDL_Window* window_ = nullptr;
    std::unique_ptr<Core> core_;
    std::unique_ptr<Graphics> graphics_;
    std::unique_ptr<GameObjectFactory> factory_;
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

bool Prepared(benchmark::State& state, bool churn) {
    Scene& scene = TheScene();
    if (!scene.ready) {
        state.SkipWithError("no GL context");
        return false;
    }
    scene.Fill(churn);
    return true;
}

void Report(benchmark::State& state) {
    state.counters["live"] = static_cast<double>(TheScene().LiveParticles());
    state.counters["queued"] = static_cast<double>(TheScene().queued);
}

void BM_ParticlesUpdate(benchmark::State& state) {
    if (!Prepared(state, false)) return;
    for (auto _ : state) TheScene().UpdateEmitters();
    TheScene().Queue();
    Report(state);
}

void BM_ParticlesQueue(benchmark::State& state) {
    if (!Prepared(state, false)) return;
    for (auto _ : state) TheScene().Queue();
    Report(state);
}

void BM_ParticlesUpdateAndQueue(benchmark::State& state) {
    if (!Prepared(state, false)) return;
    for (auto _ : state) {
        TheScene().UpdateEmitters();
        TheScene().Queue();
    }
    Report(state);
}

void BM_ParticlesUpdateAndQueueChurn(benchmark::State& state) {
    if (!Prepared(state, true)) return;
    for (auto _ : state) {
        TheScene().UpdateEmitters();
        TheScene().Queue();
    }
    Report(state);
}

void BM_ParticlesFrame(benchmark::State& state) {
    if (!Prepared(state, false)) return;
    for (auto _ : state) TheScene().DrawFrame();
    TheScene().Queue();
    Report(state);
}

}  // namespace

BENCHMARK(BM_ParticlesUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticlesQueue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticlesUpdateAndQueue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticlesUpdateAndQueueChurn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticlesFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
