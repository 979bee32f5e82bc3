#pragma once
// One gameplay level on the headless engine, for the level benchmarks: the
// game's data copied into a scratch folder (so what the game writes at exit
// never touches the checkout), every system but the window, scripted keys and
// pads, and the level opened as every test opens one (the harness's
// HeadlessEngine: the boot frame, every texture and archetype, a fixed seed,
// the level by its key). Run the benchmarks from the repository root.
//
// With TOLVEX_BENCH_DRAW set the scene is drawn for real, so a level benchmark
// measures the whole frame: the engine gets a 1280 x 720 GL window (Xvfb, or SDL's
// offscreen driver), every frame queues its sprites, particles and text, uploads
// the buffers, issues its draw calls and swaps, and each frame ends with glFinish
// so the driver's work is inside it. TOLVEX_BENCH_DRAW=discard turns on
// GL_RASTERIZER_DISCARD: everything up to and including the vertex work, no
// rasterisation. The measuring loops then also report draw calls per frame and
// the textures those draws bound (atlas pages, images of their own, glyph atlases).
// TOLVEX_BENCH_ATLAS=0 leaves the atlas pages out of the scratch copy, so every
// image loads as its own texture, as before the game had an atlas.

#include <benchmark/benchmark.h>

#include <GL/glew.h>
#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <system_error>

#include <unistd.h>

#include "api/script_api.h"
#include "core/core.h"
#include "graphics/batch_renderer2d.h"
#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"

namespace BenchSupport {

enum class DrawMode { kNone, kFull, kNoRasterisation };

inline DrawMode DrawModeFromEnvironment() {
    const char* value = std::getenv("TOLVEX_BENCH_DRAW");
    if (!value || !*value || std::strcmp(value, "0") == 0) return DrawMode::kNone;
    return std::strcmp(value, "discard") == 0 ? DrawMode::kNoRasterisation : DrawMode::kFull;
}

// Draw calls issued so far by the world layer's and the particle layer's
// renderers, and the texture slots they bound.
struct DrawCalls {
    size_t world = 0;
    size_t particles = 0;
    size_t worldTextures = 0;

    static DrawCalls Now() {
        DrawCalls calls;
        Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
        if (!graphics) return calls;
        auto batchOf = [](Engine::graphics::Layer* layer) {
            return layer ? dynamic_cast<Engine::graphics::BatchRenderer2D*>(layer->renderer()) : nullptr;
        };
        const Engine::graphics::BatchRenderer2D* world = batchOf(graphics->worldLayer());
        const Engine::graphics::BatchRenderer2D* particles = batchOf(graphics->particleLayer());
        calls.world = world ? world->drawCalls : 0;
        calls.worldTextures = world ? world->texturesBound : 0;
        calls.particles = particles ? particles->drawCalls : 0;
        return calls;
    }
};

// How many atlas pages, and how many textures of their own, the world layer's
// shown sprites use at this moment.
struct TexturesInView {
    size_t pages = 0;
    size_t own = 0;

    static TexturesInView Now() {
        TexturesInView view;
        Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
        Engine::graphics::Layer* world = graphics ? graphics->worldLayer() : nullptr;
        if (!world) return view;
        std::set<unsigned> pages, own;
        std::set<const Engine::graphics::Texture*> shown;
        for (const Engine::graphics::Renderable2D* r : world->renderables) {
            if (!r || r->hidden || !r->texture || !r->texture->id) continue;
            (r->texture->ownsId ? own : pages).insert(r->texture->id);
            shown.insert(r->texture);
        }
        // TOLVEX_BENCH_LIST_TEXTURES=1 names them, with the GL texture each is drawn from.
        const char* list = std::getenv("TOLVEX_BENCH_LIST_TEXTURES");
        if (list && std::strcmp(list, "1") == 0)
            for (const auto& [name, texture] : graphics->textures.textures)
                if (shown.count(texture.get())) std::printf("  shown: %s (GL texture %u)\n", name.c_str(), texture->id);
        view.pages = pages.size();
        view.own = own.size();
        return view;
    }
};

// Reports the draw calls per frame between `before` and now, when frames are drawn.
inline void ReportDrawCalls(benchmark::State& state, const DrawCalls& before, double frames) {
    if (DrawModeFromEnvironment() == DrawMode::kNone || frames <= 0) return;
    const DrawCalls after = DrawCalls::Now();
    state.counters["draws_world"] = static_cast<double>(after.world - before.world) / frames;
    state.counters["draws_particles"] = static_cast<double>(after.particles - before.particles) / frames;
    state.counters["textures_world"] = static_cast<double>(after.worldTextures - before.worldTextures) / frames;
    // The pages of the last frame measured (the scenes end at their busiest).
    const TexturesInView view = TexturesInView::Now();
    state.counters["pages"] = static_cast<double>(view.pages);
    state.counters["own_textures"] = static_cast<double>(view.own);
}

class LevelScene {
public:
    static constexpr float kFrame = 1.0f / 60.0f;
    static constexpr int kWidth = 1280, kHeight = 720;

    LevelScene(const std::string& levelKey, unsigned seed) {
        namespace fs = std::filesystem;
        source_ = fs::current_path();
        scratch_ = fs::temp_directory_path() / ("tolvex_bench_" + levelKey + "_" + std::to_string(::getpid()));
        fs::create_directories(scratch_ / "src" / "sound");
        fs::create_directories(scratch_ / "Resources");
        for (const char* part : {"MapData", "Objects", "Resources/Sounds"})
            fs::copy(source_ / part, scratch_ / part, fs::copy_options::recursive);
        fs::copy(source_ / "src/sound/sound.xml", scratch_ / "src/sound/sound.xml");
        draw_ = DrawModeFromEnvironment();
        if (draw_ != DrawMode::kNone) {
            fs::copy(source_ / "Resources/Textures", scratch_ / "Resources/Textures", fs::copy_options::recursive);
            const char* atlas = std::getenv("TOLVEX_BENCH_ATLAS");
            if (atlas && std::strcmp(atlas, "0") == 0) fs::remove_all(scratch_ / "Resources/Textures/Atlas");
            fs::copy(source_ / "src/shaders", scratch_ / "src/shaders", fs::copy_options::recursive);
            SDL_InitSubSystem(SDL_INIT_VIDEO);
            window_ = SDL_CreateWindow("tolvex bench", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
            if (!window_) std::printf("no GL window: %s\n", SDL_GetError());
        }
        for (const char* font : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"})
            if (fs::exists(source_ / font)) fs::copy(source_ / font, scratch_ / font);
        fs::current_path(scratch_);

        try {
            engine_ = std::make_unique<TestSupport::HeadlessEngine>(window_ ? &window_ : nullptr);
        } catch (const std::exception& error) {
            std::printf("%s\n", error.what());
            return;
        }
        if (window_) {
            SDL_GL_SetSwapInterval(0);
            engine_->systems().graphics->Resize(kWidth, kHeight);
            if (draw_ == DrawMode::kNoRasterisation) glEnable(GL_RASTERIZER_DISCARD);
        }
        started_ = engine_->OpenLevel(levelKey, seed);
    }

    ~LevelScene() {
        engine_.reset();
        if (window_) {
            SDL_DestroyWindow(window_);
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
        std::error_code ignored;
        std::filesystem::current_path(source_, ignored);
        std::filesystem::remove_all(scratch_, ignored);
    }

    LevelScene(const LevelScene&) = delete;
    LevelScene& operator=(const LevelScene&) = delete;

    // Whether the engine started and the level loaded.
    bool started() const { return started_; }

    // One frame; a drawn one waits for the driver to finish it.
    void Frame() {
        engine_->Step();
        if (window_) glFinish();
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }

    // Both birds busy the way the match benchmarks play them: a flap every
    // third of a second, player 1 walking right while player 2 walks left, and
    // both turning about every second and a half.
    void WalkAndFlap(long frame) {
        const bool flap = frame % 20 == 0;
        const bool outward = (frame / 90) % 2 == 0;
        Engine::ScriptedKeyStateSource& keys = engine_->keys();
        keys.Set('W', flap);
        keys.Set(Engine::VK_UP, flap);
        keys.Set('D', outward);
        keys.Set('A', !outward);
        keys.Set(Engine::VK_LEFT, outward);
        keys.Set(Engine::VK_RIGHT, !outward);
    }

    Engine::ScriptedKeyStateSource& keys() { return engine_->keys(); }
    Engine::EngineSystems& systems() { return engine_->systems(); }

private:
    std::filesystem::path source_;
    std::filesystem::path scratch_;
    DrawMode draw_ = DrawMode::kNone;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<TestSupport::HeadlessEngine> engine_;
    bool started_ = false;
};

// The measuring loop of a level benchmark: each iteration is one `scene.Step()`
// (timed) and one `scene.Count()` (not timed, it tallies what the frame showed).
// Returns the number of frames measured, at least 1, for per-frame shares.
template <class Scene>
double MeasureFrames(benchmark::State& state, Scene& scene) {
    int64_t frames = 0;
    const DrawCalls before = DrawCalls::Now();
    for (auto _ : state) {
        scene.Step();
        state.PauseTiming();
        scene.Count();
        ++frames;
        state.ResumeTiming();
    }
    ReportDrawCalls(state, before, static_cast<double>(frames));
    return static_cast<double>(frames > 0 ? frames : 1);
}

}  // namespace BenchSupport
