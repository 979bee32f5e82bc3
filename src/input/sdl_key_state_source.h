#pragma once

#include "input/key_state_source.h"

namespace Engine {

// Reads SDL's keyboard and mouse state, as the window's last event pump left it.
class SdlKeyStateSource : public KeyStateSource {
public:
    bool IsDown(VirtualKey key) const override;
};

}  // namespace Engine
