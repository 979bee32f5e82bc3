#include "support/drawn_game.h"

#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"

namespace TestSupport {

DrawnGame::DrawnGame(int width, int height) : window_(std::make_unique<GlWindow>(width, height)) {
    if (!window_->ok()) return;
    dir_.CopyGameData();
    for (const char* drawing : {"Resources/Textures", "src/shaders"}) dir_.CopyFromSource(drawing);
    engine_ = std::make_unique<HeadlessEngine>(window_->handle());
    Engine::graphics::Graphics::instance->Resize(width, height);
    // What the loading screen has done by the time any other screen opens.
    engine_->Boot();
}

// The engine draws into the window: it goes first.
DrawnGame::~DrawnGame() { engine_.reset(); }

}  // namespace TestSupport
