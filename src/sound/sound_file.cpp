#include "sound/sound_file.h"

#include <iostream>

namespace Engine {

namespace {

SndFilePtr OpenForReading(const std::string& path, SF_INFO& info) {
    info = SF_INFO{};
    SndFilePtr file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || FormatForChannels(info.channels) == 0 || info.samplerate <= 0) {
        std::cout << "Failed to load sound : " << path << std::endl;
        return nullptr;
    }
    return file;
}

}  // namespace

ALenum FormatForChannels(int channels) {
    if (channels == 1) return AL_FORMAT_MONO16;
    if (channels == 2) return AL_FORMAT_STEREO16;
    return 0;
}

std::shared_ptr<DecodedSound> DecodeSoundFile(const std::string& path) {
    SF_INFO info;
    SndFilePtr file = OpenForReading(path, info);
    if (!file) return nullptr;

    std::vector<short> samples(static_cast<size_t>(info.frames) * info.channels);
    const sf_count_t frames = sf_readf_short(file.get(), samples.data(), info.frames);
    auto sound = std::make_shared<DecodedSound>();
    if (!sound->buffer) return nullptr;
    sound->frames = static_cast<int>(frames);
    sound->rate = info.samplerate;
    sound->channels = info.channels;
    sound->bytes = static_cast<size_t>(frames) * info.channels * sizeof(short);
    alBufferData(sound->buffer.get(), FormatForChannels(info.channels), samples.data(),
                 static_cast<ALsizei>(sound->bytes), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        std::cout << "Failed to load sound : " << path << std::endl;
        return nullptr;
    }
    return sound;
}

std::unique_ptr<SoundStream> SoundStream::Open(const std::string& path) {
    std::unique_ptr<SoundStream> stream(new SoundStream());
    stream->file_ = OpenForReading(path, stream->info_);
    if (!stream->file_) return nullptr;
    return stream;
}

bool SoundStream::FillBuffer(ALuint buffer, int frames, bool loop) {
    const int channels = info_.channels;
    samples_.resize(static_cast<size_t>(frames) * channels);
    sf_count_t filled = 0;
    bool rewound = false;
    while (filled < frames) {
        const sf_count_t got = sf_readf_short(file_.get(), samples_.data() + filled * channels, frames - filled);
        filled += got;
        if (got > 0) { rewound = false; continue; }
        // End of file: wrap for a loop, but never spin on an empty file.
        if (!loop || rewound || sf_seek(file_.get(), 0, SEEK_SET) < 0) break;
        rewound = true;
    }
    if (filled == 0) return false;
    alBufferData(buffer, FormatForChannels(channels), samples_.data(),
                 static_cast<ALsizei>(filled * channels * sizeof(short)), info_.samplerate);
    return true;
}

}  // namespace Engine
