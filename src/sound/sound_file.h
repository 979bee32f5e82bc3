#pragma once
// Sound files through libsndfile (WAV, OGG Vorbis): decoded whole into an
// OpenAL buffer for short sounds, or read piece by piece for music.

#include <sndfile.h>

#include <memory>
#include <string>
#include <vector>

#include "sound/openal_handles.h"

namespace Engine {

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

// A sound decoded once and kept in one OpenAL buffer.
struct DecodedSound {
    AlBuffer buffer;
    int frames = 0;
    int rate = 0;
    int channels = 0;
    size_t bytes = 0;
};

// Null (after one line on standard output) when the file is missing or not
// a mono or stereo sound libsndfile can read.
std::shared_ptr<DecodedSound> DecodeSoundFile(const std::string& path);

// An open sound file read in pieces; loops by seeking back to the start.
class SoundStream {
public:
    // Null (after one line on standard output) when the file cannot be read.
    static std::unique_ptr<SoundStream> Open(const std::string& path);

    // Decodes up to `frames` frames into `buffer` (wrapping around when `loop`);
    // returns false once a non-looping stream has nothing left.
    bool FillBuffer(ALuint buffer, int frames, bool loop);
    int Rate() const { return info_.samplerate; }

private:
    SoundStream() = default;
    SndFilePtr file_;
    SF_INFO info_{};
    std::vector<short> samples_;
};

// OpenAL's 16-bit format for a channel count (1 or 2), or 0.
ALenum FormatForChannels(int channels);

}  // namespace Engine
