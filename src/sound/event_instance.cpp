#include "sound/event_instance.h"

#include <algorithm>

namespace Engine {

namespace {
constexpr int kStreamBufferCount = 3;
constexpr int kStreamBufferFrames = 8192;  // about 0.37 s at 22,050 Hz: three cover a long frame
}  // namespace

EventInstance::EventInstance(const EventDescription& description, const SoundLoader& loader)
    : description_(description), voices_(description.sections.size()) {
    for (const auto& parameter : description_.parameters) parameters_[parameter.name] = parameter.initial;
    MakeSourceAndVoices(loader);
}

void EventInstance::MakeSourceAndVoices(const SoundLoader& loader) {
    if (!loader) return;  // no mixer: nothing can play

    source_ = AlSource();
    if (!source_) return;
    const ALuint source = source_.get();
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);

    bool anyStream = false;
    for (size_t i = 0; i < voices_.size(); ++i) {
        const auto& section = description_.sections[i];
        if (section.stream) {
            // Probe once so that a missing music file is reported at load, not mid-game.
            voices_[i].playable = SoundStream::Open(section.file) != nullptr;
            anyStream = true;
        } else {
            voices_[i].sound = loader(section.file);
            voices_[i].playable = voices_[i].sound != nullptr;
        }
    }
    if (anyStream) streamBuffers_.resize(kStreamBufferCount);
}

void EventInstance::ReleaseDevice() {
    HaltSource();
    { AlSource gone = std::move(source_); }
    streamBuffers_.clear();
    for (Voice& voice : voices_) voice = Voice();
}

void EventInstance::AttachDevice(const SoundLoader& loader) {
    MakeSourceAndVoices(loader);
    if (state_ == PlaybackState::kStopped) return;
    BeginSection(section_);
    ApplyGainAndPitch();
}

const std::string& EventInstance::CurrentSection() const { return description_.sections[section_].name; }

void EventInstance::Start() {
    fadeGain_ = 1.0f;
    pendingSectionJumps_.clear();
    state_ = PlaybackState::kPlaying;
    BeginSection(0);
    ApplyGainAndPitch();
}

void EventInstance::Stop(StopMode mode) {
    if (state_ == PlaybackState::kStopped) return;
    if (mode == StopMode::kAllowFadeOut && description_.fadeOut > 0.0f) {
        state_ = PlaybackState::kStopping;  // Update fades it out, then finishes
        return;
    }
    Finish();
}

bool EventInstance::SetParameter(const std::string& name, float value) {
    auto it = parameters_.find(name);
    if (it == parameters_.end()) return false;
    it->second = value;
    // Reaching a section's threshold while playing asks for that section; the
    // jump happens in Update so a value set and reset in one frame is harmless.
    if (state_ == PlaybackState::kPlaying) {
        for (const auto& parameter : description_.parameters)
            if (parameter.name == name && parameter.effect == ParameterEffect::kSection && value >= parameter.threshold)
                pendingSectionJumps_.push_back(description_.SectionIndex(parameter.section));
    }
    ApplyGainAndPitch();
    return true;
}

bool EventInstance::GetParameter(const std::string& name, float& value) const {
    auto it = parameters_.find(name);
    if (it == parameters_.end()) return false;
    value = it->second;
    return true;
}

void EventInstance::SetCallback(EventCallback callback, uint32_t typeMask) {
    callback_ = std::move(callback);
    callbackMask_ = typeMask;
}

void EventInstance::Update(float dt) {
    if (state_ != PlaybackState::kStopped) {
        // Only jumps forward: a section already passed is never replayed by a parameter.
        for (int target : pendingSectionJumps_)
            if (state_ == PlaybackState::kPlaying && target > section_) BeginSection(target);
        pendingSectionJumps_.clear();
    }
    if (state_ != PlaybackState::kStopped) ServiceSection();
    if (state_ == PlaybackState::kStopping) {
        fadeGain_ -= dt / description_.fadeOut;
        if (fadeGain_ <= 0.0f) Finish();
    }
    if (state_ != PlaybackState::kStopped) ApplyGainAndPitch();

    if (stoppedPending_) {
        stoppedPending_ = false;
        if (callback_ && (callbackMask_ & kEventCallbackStopped)) callback_(kEventCallbackStopped, *this);
    }
}

void EventInstance::HaltSource() {
    stream_.reset();
    if (!source_) return;
    alSourceStop(source_.get());
    alSourcei(source_.get(), AL_BUFFER, 0);  // also empties a stream's queue
}

void EventInstance::BeginSection(int index) {
    HaltSource();
    section_ = index;
    const auto& section = description_.sections[index];
    const Voice& voice = voices_[index];
    if (!source_ || !voice.playable) return;  // a voiceless section: ServiceSection ends it
    const ALuint source = source_.get();

    if (section.stream) {
        stream_ = SoundStream::Open(section.file);
        streamFinished_ = false;
        if (!stream_) return;
        alSourcei(source, AL_LOOPING, AL_FALSE);
        for (auto& buffer : streamBuffers_) {
            if (!RefillStream(buffer.get())) break;
            const ALuint name = buffer.get();
            alSourceQueueBuffers(source, 1, &name);
        }
    } else {
        alSourcei(source, AL_BUFFER, static_cast<ALint>(voice.sound->buffer.get()));
        alSourcei(source, AL_LOOPING, section.loop ? AL_TRUE : AL_FALSE);
    }
    alSourcePlay(source);
}

bool EventInstance::RefillStream(ALuint buffer) {
    if (streamFinished_ || !stream_) return false;
    const bool loop = description_.sections[section_].loop;
    if (!stream_->FillBuffer(buffer, kStreamBufferFrames, loop)) {
        streamFinished_ = true;
        return false;
    }
    return true;
}

void EventInstance::ServiceSection() {
    const auto& section = description_.sections[section_];
    if (!source_ || !voices_[section_].playable) {
        if (!section.loop) EndSection();  // nothing to hear: a one-shot is over at once
        return;
    }
    const ALuint source = source_.get();
    if (section.stream && stream_) {
        ALint processed = 0;
        alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(source, 1, &buffer);
            if (RefillStream(buffer)) alSourceQueueBuffers(source, 1, &buffer);
        }
    }
    ALint sourceState = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &sourceState);
    if (sourceState != AL_STOPPED) return;

    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (section.stream && stream_ && !streamFinished_ && queued > 0) {
        alSourcePlay(source);  // the game stalled and the stream ran dry: carry on
        return;
    }
    EndSection();
}

void EventInstance::EndSection() {
    const auto& section = description_.sections[section_];
    const int next = section.next.empty() ? -1 : description_.SectionIndex(section.next);
    if (next >= 0 && state_ == PlaybackState::kPlaying) {
        BeginSection(next);
        ApplyGainAndPitch();
    } else {
        Finish();
    }
}

void EventInstance::Finish() {
    HaltSource();
    if (state_ != PlaybackState::kStopped) stoppedPending_ = true;
    state_ = PlaybackState::kStopped;
    pendingSectionJumps_.clear();
}

void EventInstance::ApplyGainAndPitch() {
    if (!source_) return;
    float gain = volume_ * description_.volume * std::max(fadeGain_, 0.0f);
    float pitch = 1.0f;
    for (const auto& parameter : description_.parameters) {
        if (parameter.effect == ParameterEffect::kSection) continue;
        const float amount = std::clamp(parameters_[parameter.name], 0.0f, 1.0f);
        const float factor = parameter.low + (parameter.high - parameter.low) * amount;
        if (parameter.effect == ParameterEffect::kPitch) pitch *= factor;
        else gain *= factor;
    }
    alSourcef(source_.get(), AL_GAIN, std::max(gain, 0.0f));
    alSourcef(source_.get(), AL_PITCH, std::clamp(pitch, 0.25f, 4.0f));
}

}  // namespace Engine
