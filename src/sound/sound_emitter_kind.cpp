#include "sound/sound_emitter_kind.h"

#include "sound/sound_emitter.h"

namespace Engine {

std::unique_ptr<Components> MakeSoundEmitter() { return std::make_unique<SoundEmitter>(); }

}  // namespace Engine
