#pragma once
// One playing (or playable) event: its sections, parameters, volume, fade-out
// and the OpenAL source it plays through. Everything time-dependent (fades,
// section changes, stream refills, the stopped callback) happens in Update,
// on the main thread.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/openal_handles.h"
#include "sound/sound_bank.h"
#include "sound/sound_file.h"

namespace Engine {

// The numbers a script may compare with: 0 playing, 2 stopped, 4 fading out.
enum class PlaybackState : int32_t { kPlaying = 0, kStopped = 2, kStopping = 4 };

enum class StopMode : int32_t { kAllowFadeOut = 0, kImmediate = 1 };

// Callback types (a bit mask); only "stopped" is raised.
constexpr uint32_t kEventCallbackStopped = 0x20;

class EventInstance;
using EventCallback = std::function<void(uint32_t type, EventInstance& instance)>;

// Finds (and decodes once) the sound behind a file path; null when unplayable.
using SoundLoader = std::function<std::shared_ptr<DecodedSound>(const std::string& file)>;

class EventInstance {
public:
    // `loader` is null when there is no mixer at all: every section then ends at once.
    EventInstance(const EventDescription& description, const SoundLoader& loader);
    EventInstance(const EventInstance&) = delete;
    EventInstance& operator=(const EventInstance&) = delete;

    // Plays from the first section; an instance already playing restarts.
    void Start();
    void Stop(StopMode mode);
    PlaybackState State() const { return state_; }

    void SetVolume(float volume) { volume_ = volume; }
    float Volume() const { return volume_; }

    // False when the event has no parameter of that name.
    bool SetParameter(const std::string& name, float value);
    bool GetParameter(const std::string& name, float& value) const;

    void SetCallback(EventCallback callback, uint32_t typeMask);

    void Update(float dt);

    // The output is about to change: every OpenAL object of the instance goes
    // (under the old output's context); its state, section and parameters stay.
    void ReleaseDevice();
    // The new output's context is current: the source and buffers are made
    // again, and a playing instance goes on from the start of its section.
    void AttachDevice(const SoundLoader& loader);

    const EventDescription& Description() const { return description_; }
    const std::string& CurrentSection() const;

private:
    void MakeSourceAndVoices(const SoundLoader& loader);

    struct Voice {  // what a section needs to play
        std::shared_ptr<DecodedSound> sound;  // decoded sections
        bool playable = false;
    };

    void BeginSection(int index);
    void ServiceSection();
    void EndSection();
    void HaltSource();
    void Finish();
    void ApplyGainAndPitch();
    bool RefillStream(ALuint buffer);

    EventDescription description_;
    std::vector<Voice> voices_;
    AlSource source_;
    std::vector<AlBuffer> streamBuffers_;
    std::unique_ptr<SoundStream> stream_;
    bool streamFinished_ = false;

    std::map<std::string, float> parameters_;
    std::vector<int> pendingSectionJumps_;  // section indices asked for by parameters

    PlaybackState state_ = PlaybackState::kStopped;
    int section_ = 0;
    float volume_ = 1.0f;
    float fadeGain_ = 1.0f;
    bool stoppedPending_ = false;
    EventCallback callback_;
    uint32_t callbackMask_ = 0;
};

}  // namespace Engine
