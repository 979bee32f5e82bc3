#include "sound/channel.h"

namespace Engine {

bool Channel::IsPlaying() const {
    if (!source_) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(source_.get(), AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void Channel::Stop() {
    if (source_) alSourceStop(source_.get());
}

void Channel::SetVolume(float volume) {
    if (source_) alSourcef(source_.get(), AL_GAIN, volume);
}

float Channel::GetVolume() const {
    ALfloat gain = 0.0f;
    if (source_) alGetSourcef(source_.get(), AL_GAIN, &gain);
    return gain;
}

}  // namespace Engine
