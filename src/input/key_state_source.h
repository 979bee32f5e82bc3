#pragma once

#include "input/virtual_keys.h"

namespace Engine {

// Where the input system reads whether a key or mouse button is down at the
// moment of a query. The game reads SDL's state of the current frame; tests
// and the headless harness script it frame by frame.
class KeyStateSource {
public:
    virtual ~KeyStateSource() = default;
    // `key` is a virtual-key code; VK_LBUTTON and VK_RBUTTON ask for the mouse.
    virtual bool IsDown(VirtualKey key) const = 0;
    // Called by the input system once a frame, after the window's event pump.
    virtual void BeginFrame() {}
};

}  // namespace Engine
