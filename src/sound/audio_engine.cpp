#include "sound/audio_engine.h"

#include <algorithm>
#include <cmath>

namespace Engine {

AudioEngine* AudioEngine::instance = nullptr;

AudioEngine::AudioEngine(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {
    if (!instance) instance = this;
}

AudioEngine::~AudioEngine() {
    // Sources go before the buffers they play, buffers before the context.
    events.clear();
    channels.clear();
    decoded_.clear();
    banks.clear();
    output_.reset();
    if (instance == this) instance = nullptr;
}

void AudioEngine::Update(float dt) {
    if (output_) output_->Advance(dt);
    for (auto it = channels.begin(); it != channels.end();) {
        if (!it->second || !it->second->IsPlaying()) it = channels.erase(it);
        else ++it;
    }
    // A callback may load another event: map insertion keeps this walk valid.
    for (auto& entry : events) entry.second->Update(dt);
}

std::unique_ptr<AudioOutput> AudioEngine::SwitchOutput(std::unique_ptr<AudioOutput> next) {
    // Sources and buffers are deleted under the context that made them.
    if (output_) output_->MakeCurrent();
    channels.clear();
    for (auto& entry : events) entry.second->ReleaseDevice();
    decoded_.clear();
    std::unique_ptr<AudioOutput> previous = std::move(output_);
    output_ = std::move(next);
    if (!output_) return previous;
    output_->MakeCurrent();
    const SoundLoader loader = [this](const std::string& file) { return Decoded(file); };
    for (auto& entry : events) entry.second->AttachDevice(loader);
    return previous;
}

void AudioEngine::LoadBank(const std::string& file) {
    if (banks.count(file)) return;
    AudioResult result = AudioResult::kOk;
    auto bank = Bank::Load(file, result);
    ReportAudioError(result);
    if (bank) banks.emplace(file, std::move(*bank));
}

const EventDescription* AudioEngine::Resolve(const std::string& path) const {
    for (const auto& named : banks) {
        auto id = named.second.paths.find(path);
        if (id == named.second.paths.end()) continue;
        for (const auto& holder : banks) {
            auto event = holder.second.events.find(id->second);
            if (event != holder.second.events.end()) return &event->second;
        }
    }
    return nullptr;
}

std::shared_ptr<DecodedSound> AudioEngine::Decoded(const std::string& file) {
    auto it = decoded_.find(file);
    if (it != decoded_.end()) return it->second;
    auto sound = DecodeSoundFile(file);
    decoded_.emplace(file, sound);  // a failure is remembered so it is reported once
    return sound;
}

void AudioEngine::LoadEvent(const std::string& path) {
    if (events.count(path)) return;
    const EventDescription* description = Resolve(path);
    if (!description) {
        ReportAudioError(AudioResult::kEventNotFound);
        return;
    }
    SoundLoader loader;
    if (output_) loader = [this](const std::string& file) { return Decoded(file); };
    events.emplace(path, std::make_unique<EventInstance>(*description, loader));
}

void AudioEngine::PlayEvent(const std::string& path) {
    if (!events.count(path)) LoadEvent(path);
    EventInstance* event = FindEvent(path);
    if (!event) return;
    // Muted events still start, at volume 0, so they are in the right place when heard.
    event->SetVolume(InstanceVolume(*event));
    event->Start();
}

void AudioEngine::StopEvent(const std::string& path, StopMode mode) {
    if (EventInstance* event = FindEvent(path)) event->Stop(mode);
}

bool AudioEngine::IsEventPlaying(const std::string& path) const {
    const EventInstance* event = FindEvent(path);
    return event && event->State() == PlaybackState::kPlaying;
}

bool AudioEngine::IsEventStopped(const std::string& path) const {
    // An event that never got an instance (a missing bank, an unknown path) is not
    // playing and never will: a script waiting for it to stop must not wait forever.
    const EventInstance* event = FindEvent(path);
    return !event || event->State() == PlaybackState::kStopped;
}

void AudioEngine::SetEventParameter(float value, const std::string& path, const std::string& name) {
    EventInstance* event = FindEvent(path);
    if (event && !event->SetParameter(name, value)) ReportAudioError(AudioResult::kEventNotFound);
}

void AudioEngine::GetEventParameter(const std::string& path, const std::string& name, float& value) const {
    const EventInstance* event = FindEvent(path);
    if (event && !event->GetParameter(name, value)) ReportAudioError(AudioResult::kEventNotFound);
}

void AudioEngine::SetVolume(float value) {
    // NaN would poison every gain: treat it as "no change".
    if (std::isnan(value)) value = volume;
    volume = std::clamp(value, 0.0f, 1.0f);
    ApplyVolumes();
}

void AudioEngine::SetMusicVolume(float value) {
    if (!std::isnan(value)) musicVolume = std::clamp(value, 0.0f, 1.0f);
    ApplyVolumes();
}

void AudioEngine::SetEffectsVolume(float value) {
    if (!std::isnan(value)) effectsVolume = std::clamp(value, 0.0f, 1.0f);
    ApplyVolumes();
}

void AudioEngine::SetMuted(bool value) {
    muted = value;
    ApplyVolumes();
}

void AudioEngine::ApplyVolumes() {
    for (auto& entry : events) entry.second->SetVolume(InstanceVolume(*entry.second));
}

void AudioEngine::StopAllEventsImmediately() {
    for (auto& entry : events) entry.second->Stop(StopMode::kImmediate);
}

bool AudioEngine::IsChannelPlaying(uint32_t id) const {
    auto it = channels.find(id);
    return it != channels.end() && it->second && it->second->IsPlaying();
}

void AudioEngine::SetChannelVolumeDb(float decibels, uint32_t id) {
    auto it = channels.find(id);
    if (it != channels.end() && it->second) it->second->SetVolume(std::pow(10.0f, decibels / 20.0f));
}

void AudioEngine::StopAllChannels() {
    for (auto& entry : channels)
        if (entry.second) entry.second->Stop();
}

EventInstance* AudioEngine::FindEvent(const std::string& path) const {
    auto it = events.find(path);
    return it == events.end() ? nullptr : it->second.get();
}

size_t AudioEngine::DecodedBytes() const {
    size_t bytes = 0;
    for (const auto& entry : decoded_)
        if (entry.second) bytes += entry.second->bytes;
    return bytes;
}

void EventStoppedCallback(uint32_t type, EventInstance& instance) {
    if (type != kEventCallbackStopped || !AudioEngine::instance) return;
    const char* cannon = "event:/Zora_Cannon_Skill";
    if (AudioEngine::instance->FindEvent(cannon) == &instance) instance.SetParameter("Target_Hit", 0.0f);
}

void LoadEvent(const std::string& path) {
    if (AudioEngine::instance) AudioEngine::instance->LoadEvent(path);
}
void PlayEvent(const std::string& path) {
    if (AudioEngine::instance) AudioEngine::instance->PlayEvent(path);
}
void StopEvent(const std::string& path) {
    if (AudioEngine::instance) AudioEngine::instance->StopEvent(path);
}
bool IsEventPlaying(const std::string& path) {
    return AudioEngine::instance && AudioEngine::instance->IsEventPlaying(path);
}
bool IsEventStopped(const std::string& path) {
    return !AudioEngine::instance || AudioEngine::instance->IsEventStopped(path);
}
void SetEventParameter(float value, const std::string& path, const std::string& name) {
    if (AudioEngine::instance) AudioEngine::instance->SetEventParameter(value, path, name);
}
void GetEventParameter(const std::string& path, const std::string& name, float& value) {
    if (AudioEngine::instance) AudioEngine::instance->GetEventParameter(path, name, value);
}
void SetVolume(float value) {
    if (AudioEngine::instance) AudioEngine::instance->SetVolume(value);
}
void SetMuted(bool value) {
    if (AudioEngine::instance) AudioEngine::instance->SetMuted(value);
}
void LoadBank(const std::string& file) {
    if (AudioEngine::instance) AudioEngine::instance->LoadBank(file);
}
bool IsChannelPlaying(uint32_t id) {
    return AudioEngine::instance && AudioEngine::instance->IsChannelPlaying(id);
}
void SetChannelVolumeDb(float decibels, uint32_t id) {
    if (AudioEngine::instance) AudioEngine::instance->SetChannelVolumeDb(decibels, id);
}
void StopAllChannels() {
    if (AudioEngine::instance) AudioEngine::instance->StopAllChannels();
}

}  // namespace Engine
