#pragma once
// The game drawn for real, for the tests and tools that look at pixels: a GL
// window of the given size, the game's data with its pictures and shaders in a
// scratch folder, and the headless engine drawing every frame into the window,
// past its boot frame with every texture and archetype loaded. Check `ok()`
// first: without any GL window nothing else is made.

#include <memory>
#include <string>

#include "support/gl_window_fixture.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace TestSupport {

class DrawnGame {
public:
    DrawnGame(int width, int height);
    ~DrawnGame();
    DrawnGame(const DrawnGame&) = delete;
    DrawnGame& operator=(const DrawnGame&) = delete;

    bool ok() const { return engine_ != nullptr; }
    const std::string& error() const { return window_->error(); }
    GlWindow& window() { return *window_; }
    HeadlessEngine& engine() { return *engine_; }

private:
    ScratchDir dir_;
    std::unique_ptr<GlWindow> window_;
    std::unique_ptr<HeadlessEngine> engine_;
};

}  // namespace TestSupport
