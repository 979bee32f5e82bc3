#include "sound/sound_emitter.h"

#include <cmath>

#include "sound/audio_engine.h"

namespace Engine {

Components* SoundEmitter::CopyInto(Components* target) {
    auto* emitter = target && target->kind == kSoundEmitterKind ? static_cast<SoundEmitter*>(target) : nullptr;
    if (!emitter) return target;
    emitter->channelId = channelId;
    AudioEngine* engine = AudioEngine::instance;
    if (engine) {
        auto it = engine->channels.find(channelId);
        if (it != engine->channels.end() && it->second) {
            const float volume = it->second->GetVolume();
            if (volume > 0.0f) engine->SetChannelVolumeDb(20.0f * std::log10(volume), channelId);
        }
    }
    return target;
}

}  // namespace Engine
