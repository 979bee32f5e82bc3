#pragma once
// A real SDL window with OpenGL for tests that draw: under Xvfb (the test command
// runs the suite in xvfb-run) or, without a display, SDL's offscreen EGL driver.
// Hand `handle()` to the graphics system and read pixels back after DrawFrame.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

struct SDL_Window;

namespace TestSupport {

class ScratchDir;

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

class GlWindow {
public:
    GlWindow(int width, int height);
    ~GlWindow();
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    bool ok() const { return window_ != nullptr; }
    const std::string& error() const { return error_; }
    SDL_Window* const* handle() const { return &window_; }

    // The back buffer's colour at pixel (x, y), y counted from the top.
    Rgba Pixel(int x, int y) const;
    // The pixel showing world point (x, y) when the camera is at the origin with
    // zoom 1 (32 x 18 world units fill the window).
    Rgba WorldPixel(float x, float y) const;
    // How many points of a grid with `step` spacing over the world box
    // (x0..x1, y0..y1) show a colour that passes `test`.
    int CountWorld(float x0, float x1, float y0, float y1, const std::function<bool(const Rgba&)>& test,
                   float step = 0.25f) const;
    // Saves the back buffer as a binary PPM picture (`convert` makes a PNG of it).
    bool SavePpm(const std::string& path) const;

    const int width;
    const int height;

private:
    SDL_Window* window_ = nullptr;
    std::string error_;
};

// A test that needs a GL window; skipped when no GL window can be made at all.
class GlWindowTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 180;
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<GlWindow> window;
};

// Places the shader files and free stand-ins for the game's three font files in
// the scratch folder, so the graphics system finds them by their usual names.
void PrepareRenderFiles(const ScratchDir& dir);

// Liberation Sans, which the set-up installs.
constexpr const char* kTestFontPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

bool Near(const Rgba& c, uint8_t r, uint8_t g, uint8_t b, int tolerance = 8);

}  // namespace TestSupport
