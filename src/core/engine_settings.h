#pragma once

#include <string>

namespace Engine {

// What the whole run shares, set by the wiring from the engine's options before
// the systems initialise; the Core keeps it.
struct EngineSettings {
    // See core/editor_mode.h.
    bool editorMode = false;
    // Two levels above the executable's folder, with a trailing '/'; graphics and
    // sound resolve a few files under it.
    std::string baseDirectory;
};

}  // namespace Engine
