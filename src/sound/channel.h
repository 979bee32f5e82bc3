#pragma once
// A low-level voice outside the event system, kept by id in the engine's
// channel table. The game creates none today; the table and its operations
// exist for emitters and tools that play a raw sound.

#include "sound/openal_handles.h"

namespace Engine {

class Channel {
public:
    Channel() = default;
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    bool IsPlaying() const;
    void Stop();
    void SetVolume(float volume);
    float GetVolume() const;
    ALuint Source() const { return source_.get(); }

private:
    AlSource source_;
};

}  // namespace Engine
