#pragma once
// The picture a slow level load shows while it builds: the loading screen's
// backdrop with its bar, the bar filled to the share of the level's objects
// built so far, and the picture the game names beside it (its first cell). A load that ends within `threshold` shows nothing; a longer one
// redraws the bar at most every `interval`, so drawing does not slow the load
// much more than it already is.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/frame_clock.h"
#include "core/maths.h"

namespace Engine::graphics {

class Layer;
class Shader;
class Sprite;

class LongLoadScreen {
public:
    LongLoadScreen();
    ~LongLoadScreen();
    LongLoadScreen(const LongLoadScreen&) = delete;
    LongLoadScreen& operator=(const LongLoadScreen&) = delete;

    // A load starts now: its clock starts and nothing is shown yet.
    void Begin();
    // `built` of `total` parts of the level are done. True when the picture is
    // due now; its bar then shows Shown().back().
    bool Due(size_t built, size_t total);
    // The bar's fill, 0 to 1, of every picture the current (or last) load showed.
    const std::vector<float>& Shown() const { return shown_; }

    // Draws the picture with the bar at `progress` over the whole viewport with
    // `shader` and `screen` (the 32 x 18 units of the picture, no camera). Needs
    // a current GL context; makes its layer the first time.
    void Render(Shader* shader, const mat4& screen, float progress);
    // Frees the layer (its GL buffers) while the context still exists.
    void Drop();
    // The texture drawn over the backdrop, `size` units around `centre`; looked up
    // when drawn, so it may name a texture the list has not loaded yet.
    void SetPicture(const std::string& textureName, const vec2& centre, const vec2& size);

    // Where the time comes from; tests hand in a clock they step themselves.
    FrameClock* clock;
    uint64_t thresholdNs = 100'000'000;  // 0.1 s
    uint64_t intervalNs = 50'000'000;    // 0.05 s
    // Called with the bar's fill after a picture is drawn, before it is shown.
    std::function<void(float)> onDrawn;

private:
    SteadyFrameClock steadyClock_;
    std::unique_ptr<Layer> layer_;
    std::unique_ptr<Sprite> picture_;
    std::string pictureName_;
    vec2 pictureCentre_;
    vec2 pictureSize_;
    std::vector<float> shown_;
    uint64_t start_ = 0;
    uint64_t lastShown_ = 0;
};

}  // namespace Engine::graphics
