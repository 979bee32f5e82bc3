#pragma once
// Owning wrappers for OpenAL objects: every device, context, source and buffer
// the sound code makes is released exactly once, in reverse order of creation.

#include <AL/al.h>
#include <AL/alc.h>

#include <memory>

namespace Engine {

struct AlcDeviceCloser {
    void operator()(ALCdevice* device) const { alcCloseDevice(device); }
};
using AlcDevicePtr = std::unique_ptr<ALCdevice, AlcDeviceCloser>;

struct AlcContextDestroyer {
    void operator()(ALCcontext* context) const {
        if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
};
using AlcContextPtr = std::unique_ptr<ALCcontext, AlcContextDestroyer>;

// One OpenAL name (source or buffer) created on construction and deleted on
// destruction. Movable, not copyable.
template <void (*Generate)(ALsizei, ALuint*), void (*Delete)(ALsizei, const ALuint*)>
class AlName {
public:
    AlName() { Generate(1, &name_); if (alGetError() != AL_NO_ERROR) name_ = 0; }
    ~AlName() { Reset(); }
    AlName(AlName&& other) noexcept : name_(other.name_) { other.name_ = 0; }
    AlName& operator=(AlName&& other) noexcept {
        if (this != &other) { Reset(); name_ = other.name_; other.name_ = 0; }
        return *this;
    }
    AlName(const AlName&) = delete;
    AlName& operator=(const AlName&) = delete;

    ALuint get() const { return name_; }
    explicit operator bool() const { return name_ != 0; }

private:
    void Reset() { if (name_ != 0) Delete(1, &name_); name_ = 0; }
    ALuint name_ = 0;
};

inline void GenerateSource(ALsizei n, ALuint* names) { alGenSources(n, names); }
inline void DeleteSource(ALsizei n, const ALuint* names) { alSourceStop(*names); alSourcei(*names, AL_BUFFER, 0); alDeleteSources(n, names); }
inline void GenerateBuffer(ALsizei n, ALuint* names) { alGenBuffers(n, names); }
inline void DeleteBuffer(ALsizei n, const ALuint* names) { alDeleteBuffers(n, names); }

using AlSource = AlName<GenerateSource, DeleteSource>;
using AlBuffer = AlName<GenerateBuffer, DeleteBuffer>;

}  // namespace Engine
