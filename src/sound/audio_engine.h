#pragma once
// The event layer: banks loaded by file path, one event instance per event
// path, master volume and mute, and the low-level channel table.
//
// One AudioEngine exists while the sound system runs, published as
// AudioEngine::instance; the free functions below act on it and do nothing
// when there is none, so scripts can call them unconditionally.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "sound/audio_output.h"
#include "sound/audio_result.h"
#include "sound/channel.h"
#include "sound/event_instance.h"
#include "sound/sound_bank.h"

namespace Engine {

class AudioEngine {
public:
    // `output` may be null (no mixer at all): events then run their course
    // without a sound, so a one-shot still reports that it stopped.
    explicit AudioEngine(std::unique_ptr<AudioOutput> output);
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    static AudioEngine* instance;

    // Per frame: lets a silent output's time pass, drops finished channels,
    // then advances every event (fades, sections, streams, callbacks).
    void Update(float dt);

    void LoadBank(const std::string& file);
    void LoadEvent(const std::string& path);
    void PlayEvent(const std::string& path);
    void StopEvent(const std::string& path, StopMode mode = StopMode::kAllowFadeOut);
    bool IsEventPlaying(const std::string& path) const;
    bool IsEventStopped(const std::string& path) const;
    void SetEventParameter(float value, const std::string& path, const std::string& name);
    void GetEventParameter(const std::string& path, const std::string& name, float& value) const;
    void SetVolume(float value);
    // The two groups' volumes in [0, 1], under the master volume.
    void SetMusicVolume(float value);
    void SetEffectsVolume(float value);
    void SetMuted(bool value);
    // Editor mode: every event stops at once, every frame.
    void StopAllEventsImmediately();

    bool IsChannelPlaying(uint32_t id) const;
    void SetChannelVolumeDb(float decibels, uint32_t id);
    void StopAllChannels();

    // The stored instance for a path (to attach a callback), or null.
    EventInstance* FindEvent(const std::string& path) const;
    AudioOutput* Output() const { return output_.get(); }
    // Moves the mix to `next`: the channels end, every event lets go of the old
    // output's sources and buffers and takes new ones on `next`, playing events
    // going on from the start of their current section. Returns the old output.
    std::unique_ptr<AudioOutput> SwitchOutput(std::unique_ptr<AudioOutput> next);
    // Bytes of decoded sound held for the loaded events.
    size_t DecodedBytes() const;

    float volume = 1.0f;  // master volume in [0, 1]
    float musicVolume = 1.0f;    // events on the music bus
    float effectsVolume = 1.0f;  // every other event
    bool muted = false;   // every instance at volume 0 while set
    std::map<uint32_t, std::unique_ptr<Channel>> channels;
    std::map<std::string, std::unique_ptr<EventInstance>> events;  // by event path
    std::map<std::string, Bank> banks;                             // by bank file path

private:
    const EventDescription* Resolve(const std::string& path) const;
    std::shared_ptr<DecodedSound> Decoded(const std::string& file);
    float InstanceVolume(const EventInstance& event) const {
        return muted ? 0.0f : volume * (event.Description().music ? musicVolume : effectsVolume);
    }
    void ApplyVolumes();

    std::unique_ptr<AudioOutput> output_;
    std::map<std::string, std::shared_ptr<DecodedSound>> decoded_;  // null entries: failed files
};

// The game's callback for event instances: when the cannon skill's event stops,
// its "Target_Hit" goes back to 0 so the next shot starts with its launch.
void EventStoppedCallback(uint32_t type, EventInstance& instance);

// Event operations on AudioEngine::instance.
void LoadEvent(const std::string& path);
void PlayEvent(const std::string& path);
void StopEvent(const std::string& path);
bool IsEventPlaying(const std::string& path);
bool IsEventStopped(const std::string& path);
void SetEventParameter(float value, const std::string& path, const std::string& name);
void GetEventParameter(const std::string& path, const std::string& name, float& value);
void SetVolume(float value);
void SetMuted(bool value);
void LoadBank(const std::string& file);
bool IsChannelPlaying(uint32_t id);
void SetChannelVolumeDb(float decibels, uint32_t id);
void StopAllChannels();

}  // namespace Engine
