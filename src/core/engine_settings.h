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
    // When above zero, every frame of the paced loop advances by exactly this many
    // seconds, whatever the wall clock did, so a run can be repeated frame for
    // frame (recording). The loop still waits out each frame as usual.
    float fixedFrameSeconds = 0.0f;
};

}  // namespace Engine
