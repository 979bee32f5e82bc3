#include "support/gl_window_fixture.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/scratch_dir.h"

namespace TestSupport {

GlWindow::GlWindow(int width_, int height_) : width(width_), height(height_) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = SDL_GetError();
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    window_ = SDL_CreateWindow("tolvex test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (!window_) {
        error_ = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

GlWindow::~GlWindow() {
    if (!window_) return;
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Rgba GlWindow::Pixel(int x, int y) const {
    uint8_t rgba[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

bool GlWindow::SavePpm(const std::string& path) const {
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    // GL's rows run bottom up; the picture's top down.
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            out.write(reinterpret_cast<const char*>(&rgba[(static_cast<size_t>(y) * width + x) * 4]), 3);
    return static_cast<bool>(out);
}

Rgba GlWindow::WorldPixel(float x, float y) const {
    const int px = static_cast<int>((x + 16.0f) / 32.0f * static_cast<float>(width));
    const int py = static_cast<int>((9.0f - y) / 18.0f * static_cast<float>(height));
    return Pixel(px, py);
}

int GlWindow::CountWorld(float x0, float x1, float y0, float y1, const std::function<bool(const Rgba&)>& test,
                         float step) const {
    int count = 0;
    for (float x = x0; x <= x1 + 1e-3f; x += step)
        for (float y = y0; y <= y1 + 1e-3f; y += step) count += test(WorldPixel(x, y)) ? 1 : 0;
    return count;
}

void GlWindowTest::SetUp() {
    window = std::make_unique<GlWindow>(kWidth, kHeight);
    if (!window->ok()) GTEST_SKIP() << "no GL window: " << window->error();
}

void GlWindowTest::TearDown() {
    window.reset();
}

void PrepareRenderFiles(const ScratchDir& dir) {
    dir.CopyFromSource("src/shaders");
    std::ifstream font(kTestFontPath, std::ios::binary);
    std::stringstream bytes;
    bytes << font.rdbuf();
    for (const char* name : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"})
        dir.Write(name, bytes.str());
}

bool Near(const Rgba& c, uint8_t r, uint8_t g, uint8_t b, int tolerance) {
    return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
}

}  // namespace TestSupport
