// Sprite throughput of the batch renderer against SDL2's accelerated 2D renderer.
//
// For N sprites drawn from M textures (sprite i uses texture i mod M, the worst
// order for a renderer that batches runs of one texture) it reports:
//   - CPU time per sprite to queue and submit one frame, with 1-pixel sprites so
//     that rasterising does not count;
//   - the frame time at 1280 x 720 with 32-pixel sprites, up to the moment the
//     frame's pixels can be read back;
// for both renderers, and the ratios ours / SDL's (below 1 is better). With M > 1
// each cell runs twice: the M images as M textures, and packed side by side on
// one atlas page (each with a transparent margin, as tools/art/pack_atlas.py packs
// the game's), which SDL then draws with source rectangles of one texture. Both
// measurements alternate between the two renderers and each ratio is the median
// of the paired ratios, which keeps load from other processes out of it.
//
// Run: xvfb-run -a -s '-screen 0 1280x720x24' build/bench/render_bench [N M]
// (with N and M, only that cell: for profiling one case)

#include <GL/glew.h>
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "graphics/batch_renderer2d.h"
#include "graphics/image_upload.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"
#include "graphics/texture.h"

using namespace Engine;
using namespace Engine::graphics;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280, kHeight = 720;
constexpr float kPixelsPerUnit = kWidth / 32.0f;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

struct Placement {
    float x, y;  // pixels, top-left origin
};

std::vector<Placement> Placements(int n, int size) {
    std::vector<Placement> out(static_cast<size_t>(n));
    std::srand(7);
    for (auto& p : out) {
        p.x = static_cast<float>(std::rand() % (kWidth - size));
        p.y = static_cast<float>(std::rand() % (kHeight - size));
    }
    return out;
}

uint32_t ColourOf(int i) { return 0xFF000000u | (0x40u + static_cast<uint32_t>(i * 37 % 190)) << 8 | 0xC0u; }

// The texels of image i, and where it lies on the one page that packs all M.
constexpr int kImage = 32, kMargin = 2, kCell = kImage + 2 * kMargin;
uint32_t TexelOf(int i) { return 0xFFFFFFFFu - static_cast<uint32_t>(i * 0x030201); }
std::vector<uint32_t> PageTexels(int m) {
    std::vector<uint32_t> page(static_cast<size_t>(kCell * m * kCell), 0u);
    for (int i = 0; i < m; ++i)
        for (int y = 0; y < kImage; ++y)
            for (int x = 0; x < kImage; ++x)
                page[static_cast<size_t>((y + kMargin) * kCell * m + i * kCell + kMargin + x)] = TexelOf(i);
    return page;
}

// ---- ours -------------------------------------------------------------------
class OurRenderer {
public:
    explicit OurRenderer(SDL_Window* window) : window_(window) {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        context_ = SDL_GL_CreateContext(window);
        SDL_GL_MakeCurrent(window, context_);
        SDL_GL_SetSwapInterval(0);
        glewExperimental = GL_TRUE;
        glewInit();
        while (glGetError() != GL_NO_ERROR) {
        }
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        shader_ = std::make_unique<Shader>("src/shaders/Default.vert", "src/shaders/Default.frag");
        renderer_ = std::make_unique<BatchRenderer2D>();
        renderer_->setShader(shader_.get());  // single-texture batches use its variant
        const GLuint program = shader_->program();
        glUseProgram(program);
        const mat4 projection = mat4::orthographic(-16, 16, -9, 9, -1, 1);
        glUniformMatrix4fv(glGetUniformLocation(program, "pr_matrix"), 1, GL_FALSE, projection.elements);
        glUniformMatrix4fv(glGetUniformLocation(program, "vw_matrix"), 1, GL_FALSE, mat4::identity().elements);
        GLint units[32];
        for (int i = 0; i < 32; ++i) units[i] = i;
        glUniform1iv(glGetUniformLocation(program, "textures"), 32, units);
    }
    ~OurRenderer() {
        sprites_.clear();
        textures_.clear();
        page_.reset();
        renderer_.reset();
        shader_.reset();
        SDL_GL_DeleteContext(context_);
    }

    void Prepare(int n, int m, int size, bool atlas) {
        SDL_GL_MakeCurrent(window_, context_);
        textures_.clear();
        page_.reset();
        if (atlas) {
            const std::vector<uint32_t> texels = PageTexels(m);
            page_ = UploadRgbaImage(reinterpret_cast<const unsigned char*>(texels.data()), kCell * m, kCell);
            for (int i = 0; i < m; ++i) {
                AtlasImage image;
                image.x = i * kCell + kMargin;
                image.y = kMargin;
                image.width = image.height = kImage;
                AtlasPlacement placement = PlacementOf(image, kCell * m, kCell);
                placement.page = page_.get();
                textures_.push_back(std::make_unique<Texture>("", 1, 1, 1, placement));
            }
        }
        for (int i = 0; i < m && !atlas; ++i) {
            auto texture = std::make_unique<Texture>();
            glGenTextures(1, &texture->id);
            glBindTexture(GL_TEXTURE_2D, texture->id);
            std::vector<uint32_t> texels(32 * 32, TexelOf(i));
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 32, 32, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            textures_.push_back(std::move(texture));
        }
        sprites_.clear();
        const auto placements = Placements(n, size);
        const float units = static_cast<float>(size) / kPixelsPerUnit;
        for (int i = 0; i < n; ++i) {
            auto sprite = std::make_unique<Sprite>(0.0f, 0.0f);
            sprite->SetSize(units, units);
            sprite->color = ColourOf(i);
            const Placement& p = placements[static_cast<size_t>(i)];
            sprite->SetPosition({p.x / kPixelsPerUnit - 16.0f + units / 2, 9.0f - p.y / kPixelsPerUnit - units / 2, 0});
            sprite->SetTexture(textures_[static_cast<size_t>(i % m)].get());
            sprites_.push_back(std::move(sprite));
        }
    }
    // Seconds of CPU to queue and submit the frame.
    double Submit() {
        SDL_GL_MakeCurrent(window_, context_);  // the SDL renderer has its own context
        glClear(GL_COLOR_BUFFER_BIT);
        const auto t0 = Clock::now();
        renderer_->begin();
        for (const auto& sprite : sprites_) renderer_->submit(sprite.get());
        queueSeconds = Seconds(t0, Clock::now());
        renderer_->end();
        renderer_->flush();
        return Seconds(t0, Clock::now());
    }
    // Seconds until the frame's pixels are ready.
    double Frame() {
        const auto t0 = Clock::now();
        Submit();
        uint8_t pixel[4];
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return Seconds(t0, Clock::now());
    }
    void Finish() {
        SDL_GL_MakeCurrent(window_, context_);
        glFinish();
    }

    double queueSeconds = 0.0;  // of the last Submit: writing the quads only

private:
    SDL_Window* window_;
    SDL_GLContext context_;
    std::unique_ptr<Shader> shader_;
    std::unique_ptr<BatchRenderer2D> renderer_;
    std::vector<std::unique_ptr<Texture>> textures_;
    GlTexture page_;  // the atlas page, in an atlas cell
    std::vector<std::unique_ptr<Sprite>> sprites_;
};

// ---- SDL2's accelerated renderer -------------------------------------------
// Linear filtering, as our textures use, so both fill the same way.
SDL_Renderer* CreateLinearFiltering(SDL_Window* window) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
}

class SdlRenderer {
public:
    explicit SdlRenderer(SDL_Window* window)
        : renderer_(CreateLinearFiltering(window)) {
        SDL_RendererInfo info{};
        if (renderer_) SDL_GetRendererInfo(renderer_, &info);
        name = info.name ? info.name : "none";
    }
    ~SdlRenderer() {
        for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
        if (renderer_) SDL_DestroyRenderer(renderer_);
    }
    bool ok() const { return renderer_ != nullptr; }

    void Prepare(int n, int m, int size, bool atlas) {
        for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
        textures_.clear();
        sources_.clear();
        if (atlas) {
            SDL_Texture* t =
                SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, kCell * m, kCell);
            const std::vector<uint32_t> texels = PageTexels(m);
            SDL_UpdateTexture(t, nullptr, texels.data(), kCell * m * 4);
            SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
            textures_.push_back(t);
            for (int i = 0; i < m; ++i) sources_.push_back({i * kCell + kMargin, kMargin, kImage, kImage});
        }
        for (int i = 0; i < m && !atlas; ++i) {
            SDL_Texture* t = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, 32, 32);
            std::vector<uint32_t> texels(32 * 32, TexelOf(i));
            SDL_UpdateTexture(t, nullptr, texels.data(), 32 * 4);
            SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
            textures_.push_back(t);
        }
        const auto placements = Placements(n, size);
        rects_.clear();
        for (const auto& p : placements) rects_.push_back({static_cast<int>(p.x), static_cast<int>(p.y), size, size});
    }
    double Submit() {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        const auto t0 = Clock::now();
        for (size_t i = 0; i < rects_.size(); ++i) {
            SDL_Texture* t = textures_[i % textures_.size()];
            const SDL_Rect* source = sources_.empty() ? nullptr : &sources_[i % sources_.size()];
            const uint32_t c = ColourOf(static_cast<int>(i));
            // The colour modulation our quads carry per vertex.
            SDL_SetTextureColorMod(t, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
            SDL_RenderCopy(renderer_, t, source, &rects_[i]);
        }
        SDL_RenderFlush(renderer_);
        return Seconds(t0, Clock::now());
    }
    double Frame() {
        const auto t0 = Clock::now();
        Submit();
        uint32_t pixel = 0;
        SDL_Rect one{0, 0, 1, 1};
        SDL_RenderReadPixels(renderer_, &one, SDL_PIXELFORMAT_ABGR8888, &pixel, 4);
        return Seconds(t0, Clock::now());
    }
    void Finish() {
        uint32_t pixel = 0;
        SDL_Rect one{0, 0, 1, 1};
        SDL_RenderReadPixels(renderer_, &one, SDL_PIXELFORMAT_ABGR8888, &pixel, 4);
    }

    const char* name;

private:
    SDL_Renderer* renderer_;
    std::vector<SDL_Texture*> textures_;
    std::vector<SDL_Rect> sources_;  // of the one atlas texture, in an atlas cell
    std::vector<SDL_Rect> rects_;
};

struct Paired {
    double ours, peer, ratio;  // medians; the ratio is the median of the paired ratios
};

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// CPU time per sprite of both renderers, one frame of each in turn (the first
// of a pair alternates), so that load from other processes falls on both alike.
Paired MedianCpuPerSprite(OurRenderer& ours, SdlRenderer& peer, int n, int m, bool atlas, int reps) {
    ours.Prepare(n, m, 1, atlas);
    peer.Prepare(n, m, 1, atlas);
    ours.Submit();  // warm up
    ours.Finish();
    peer.Submit();
    peer.Finish();
    std::vector<double> ourSamples, peerSamples, ratios;
    for (int i = 0; i < reps; ++i) {
        // Finish keeps each frame's rasterising out of the next measurement.
        auto oursOnce = [&] { ourSamples.push_back(ours.Submit() / n); ours.Finish(); };
        auto peerOnce = [&] { peerSamples.push_back(peer.Submit() / n); peer.Finish(); };
        if (i % 2 == 0) {
            oursOnce();
            peerOnce();
        } else {
            peerOnce();
            oursOnce();
        }
        ratios.push_back(ourSamples.back() / peerSamples.back());
    }
    return {Median(ourSamples), Median(peerSamples), Median(ratios)};
}

double MedianQueuePerSprite(OurRenderer& r, int n, int reps) {
    std::vector<double> samples;
    for (int i = 0; i < reps; ++i) {
        r.Submit();
        samples.push_back(r.queueSeconds / n);
        r.Finish();
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Frames of the two renderers alternate, so that load from other processes on
// the shared machine falls on both alike.
Paired MedianFrames(OurRenderer& ours, SdlRenderer& peer, int n, int m, bool atlas, int reps) {
    ours.Prepare(n, m, 32, atlas);
    peer.Prepare(n, m, 32, atlas);
    ours.Frame();
    peer.Frame();
    std::vector<double> ourSamples, peerSamples, ratios;
    for (int i = 0; i < reps; ++i) {
        ourSamples.push_back(ours.Frame());
        peerSamples.push_back(peer.Frame());
        ratios.push_back(ourSamples.back() / peerSamples.back());
    }
    return {Median(ourSamples), Median(peerSamples), Median(ratios)};
}

}  // namespace

int main(int argc, char** argv) {
    const int onlyN = argc > 2 ? std::atoi(argv[1]) : 0;
    const int onlyM = argc > 2 ? std::atoi(argv[2]) : 0;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* ourWindow = SDL_CreateWindow("ours", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    SDL_Window* peerWindow = SDL_CreateWindow("peer", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (!ourWindow || !peerWindow) {
        std::printf("no window: %s\n", SDL_GetError());
        return 1;
    }
    int status = 0;
    {
        auto ours = std::make_unique<OurRenderer>(ourWindow);
        SdlRenderer peer(peerWindow);
        if (!peer.ok()) {
            std::printf("SDL has no accelerated renderer here: %s\n", SDL_GetError());
            status = 1;
        } else {
            std::printf("GL: %s | SDL renderer: %s\n", glGetString(GL_RENDERER), peer.name);
            std::printf("%6s %3s %8s | %12s %12s %12s %6s | %11s %11s %6s\n", "N", "M", "images", "queue ns/spr",
                        "ours ns/spr", "SDL ns/spr", "ratio", "ours ms/fr", "SDL ms/fr", "ratio");
            for (int n : {1000, 10000, 60000}) {
                for (int m : {1, 8, 40}) {
                    if (onlyN && (n != onlyN || m != onlyM)) continue;
                    for (bool atlas : {false, true}) {
                        if (atlas && m == 1) continue;
                        const int reps = n >= 60000 ? 5 : 15;
                        const Paired cpu = MedianCpuPerSprite(*ours, peer, n, m, atlas, reps);
                        const double ourQueue = MedianQueuePerSprite(*ours, n, reps);
                        const int frameReps = n >= 60000 ? 3 : 7;
                        const Paired frame = MedianFrames(*ours, peer, n, m, atlas, frameReps);
                        std::printf("%6d %3d %8s | %12.1f %12.1f %12.1f %6.2f | %11.2f %11.2f %6.2f\n", n, m,
                                    atlas ? "one page" : "apart", ourQueue * 1e9, cpu.ours * 1e9, cpu.peer * 1e9,
                                    cpu.ratio, frame.ours * 1e3, frame.peer * 1e3, frame.ratio);
                        std::fflush(stdout);
                    }
                }
            }
        }
    }
    SDL_DestroyWindow(peerWindow);
    SDL_DestroyWindow(ourWindow);
    SDL_Quit();
    return status;
}
