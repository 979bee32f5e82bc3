// The sound folder's component kind: the sound emitter, its data-file element and
// the object getter for it.

#include "objects/component_kinds.h"
#include "objects/game_obj.h"
#include "sound/sound_emitter.h"

namespace Engine {

SoundEmitter* GameObj::GetSoundEmitter() const {
    return dynamic_cast<SoundEmitter*>(FirstComponentOfKind(kSoundEmitterKind));
}

namespace {

void AddSoundEmitter(GameObj& object) { object.components.push_back(std::make_unique<SoundEmitter>()); }

// The element adds an empty emitter; its values are not read.
void ApplySoundEmitter(GameObj& object, const TiXmlElement&, const std::string&) {
    object.AddComponent(kSoundEmitterKind);
}

const ComponentKindRegistration kSoundEmitterKindEntry(kSoundEmitterKind, {AddSoundEmitter, nullptr});
const ComponentElementRegistration kSoundEmitterElement("SoundEmitter", ApplySoundEmitter);

}  // namespace

}  // namespace Engine
