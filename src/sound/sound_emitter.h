#pragma once
// A component that ties an object to a low-level channel by id. The
// "SoundEmitter" element adds an empty one.

#include <cstdint>

#include "objects/components.h"

namespace Engine {

class SoundEmitter : public Components {
public:
    SoundEmitter() : Components(kSoundEmitterKind) {}

    // Copies the channel id; if that channel exists its volume is applied again.
    Components* CopyInto(Components* target) override;

    uint32_t channelId = 0;
};

}  // namespace Engine
