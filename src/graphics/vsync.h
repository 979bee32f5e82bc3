#pragma once

namespace Engine::graphics {

// Waits for the display's refresh at every swap (adaptive where the driver
// offers it: late frames tear rather than wait a whole refresh) or not. Does
// nothing without a current GL context. The frame loop keeps its own 60 Hz
// timing either way.
void ApplyVsync(bool on);

}  // namespace Engine::graphics
