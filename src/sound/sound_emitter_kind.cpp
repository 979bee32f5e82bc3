#include "sound/sound_emitter_kind.h"

namespace Engine {

// Emitters carry no sound of their own yet: a bare component of the kind.
std::unique_ptr<Components> MakeSoundEmitter() { return std::make_unique<Components>(kSoundEmitterKind); }

}  // namespace Engine
