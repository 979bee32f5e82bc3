#include "sound/audio_output.h"

#include <AL/alext.h>

#include <algorithm>
#include <iostream>

namespace Engine {

namespace {
// A silent output never catches up more than this much time at once, so a
// long stall (loading a level) costs a bounded amount of mixing.
constexpr double kMaxSilentCatchUpSeconds = 0.25;

void ConfigureListener() {
    // Every sound is heard as is: no distance attenuation, listener at the origin.
    alDistanceModel(AL_NONE);
    alListenerf(AL_GAIN, 1.0f);
}
}  // namespace

AudioOutput::~AudioOutput() {
    context_.reset();
    device_.reset();
}

bool AudioOutput::MakeCurrentContext(const ALCint* attributes) {
    context_.reset(alcCreateContext(device_.get(), attributes));
    if (!context_ || alcMakeContextCurrent(context_.get()) != ALC_TRUE) {
        context_.reset();
        return false;
    }
    ConfigureListener();
    return true;
}

std::unique_ptr<AudioOutput> AudioOutput::MakeLoopback() {
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE) return nullptr;
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoopback || !render) return nullptr;

    std::unique_ptr<AudioOutput> output(new AudioOutput());
    output->device_.reset(openLoopback(nullptr));
    if (!output->device_) return nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY, kLoopbackRate, 0};
    if (!output->MakeCurrentContext(attributes)) return nullptr;
    output->renderSamples_ = render;
    return output;
}

std::unique_ptr<AudioOutput> AudioOutput::OpenLoopback() { return MakeLoopback(); }

std::unique_ptr<AudioOutput> AudioOutput::OpenSilent() {
    std::unique_ptr<AudioOutput> output = MakeLoopback();
    if (output) output->silent_ = true;
    return output;
}

std::unique_ptr<AudioOutput> AudioOutput::OpenDefault() {
    std::unique_ptr<AudioOutput> output(new AudioOutput());
    output->device_.reset(alcOpenDevice(nullptr));
    if (output->device_ && output->MakeCurrentContext(nullptr)) return output;

    std::cout << "No sound device could be opened: the game runs without sound" << std::endl;
    return OpenSilent();
}

bool AudioOutput::Connected() const {
    if (connectedOverride) return connectedOverride();
    if (IsLoopback() || !device_) return true;
    if (alcIsExtensionPresent(device_.get(), "ALC_EXT_disconnect") != ALC_TRUE) return true;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_.get(), ALC_CONNECTED, 1, &connected);
    return connected != ALC_FALSE;
}

bool AudioOutput::Reopen() {
    if (reopenOverride) return reopenOverride();
    if (IsLoopback()) return true;
    using ReopenFunction = ALCboolean (*)(ALCdevice*, const ALCchar*, const ALCint*);
    if (device_ && alcIsExtensionPresent(device_.get(), "ALC_SOFT_reopen_device") == ALC_TRUE) {
        auto reopen = reinterpret_cast<ReopenFunction>(alcGetProcAddress(device_.get(), "alcReopenDeviceSOFT"));
        if (reopen && reopen(device_.get(), nullptr, nullptr) == ALC_TRUE && Connected()) {
            MakeCurrent();
            ConfigureListener();
            return true;
        }
        return false;
    }
    AlcDevicePtr fresh(alcOpenDevice(nullptr));
    if (!fresh) return false;
    context_.reset();
    device_ = std::move(fresh);
    return MakeCurrentContext(nullptr);
}

void AudioOutput::MakeCurrent() const {
    if (context_) alcMakeContextCurrent(context_.get());
}

void AudioOutput::Render(float* out, int frames) {
    if (!renderSamples_ || frames <= 0) return;
    renderSamples_(device_.get(), out, frames);
}

std::vector<float> AudioOutput::Render(int frames) {
    std::vector<float> samples(static_cast<size_t>(std::max(frames, 0)) * 2);
    Render(samples.data(), frames);
    return samples;
}

void AudioOutput::Advance(float dt) {
    if (!silent_ || !(dt > 0.0f)) return;
    pendingFrames_ += std::min<double>(dt, kMaxSilentCatchUpSeconds) * kLoopbackRate;
    const int frames = static_cast<int>(pendingFrames_);
    if (frames <= 0) return;
    pendingFrames_ -= frames;
    scratch_.resize(static_cast<size_t>(frames) * 2);
    Render(scratch_.data(), frames);
}

}  // namespace Engine
