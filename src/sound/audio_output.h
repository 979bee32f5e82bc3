#pragma once
// Where the mix goes: a real sound device, or OpenAL Soft's loopback device,
// which mixes into memory only when asked to.

#include <functional>
#include <memory>
#include <vector>

#include "sound/openal_handles.h"

namespace Engine {

class AudioOutput {
public:
    static constexpr int kLoopbackRate = 44100;

    // The default device; without one, one line on standard output and a
    // loopback device that the engine renders itself so that playback time
    // still passes (sounds end, music sections change) while nothing is heard.
    // Null only when even the loopback device is unavailable.
    static std::unique_ptr<AudioOutput> OpenDefault();
    // A loopback device that mixes only when Render is called (tests, benchmarks).
    static std::unique_ptr<AudioOutput> OpenLoopback();
    // A loopback device that the engine renders and throws away, so playback
    // time passes while nothing is heard (no device, or the device was lost).
    static std::unique_ptr<AudioOutput> OpenSilent();

    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Mixes `frames` stereo float frames into `out` (2 floats a frame).
    // Only for loopback outputs; a real device mixes on its own thread.
    void Render(float* out, int frames);
    std::vector<float> Render(int frames);

    // Called once per engine update: a silent output mixes dt's worth of frames
    // and throws them away; the other kinds do nothing.
    void Advance(float dt);

    bool IsLoopback() const { return renderSamples_ != nullptr; }
    bool IsSilent() const { return silent_; }

    // Whether the device still plays (OpenAL Soft's ALC_EXT_disconnect); a
    // loopback device, or a driver without the extension, always answers true.
    bool Connected() const;
    // Brings a lost device back: the same device reopened on the default output
    // (ALC_SOFT_reopen_device) where the driver can, otherwise a new default
    // device and context. Only for an output that holds no sources or buffers
    // any more. False (nothing changed) while there is still no device.
    bool Reopen();
    // Makes this output's context the current one.
    void MakeCurrent() const;

    // Tests stand in for the driver's answers here.
    std::function<bool()> connectedOverride;
    std::function<bool()> reopenOverride;

private:
    using RenderFunction = void (*)(ALCdevice*, ALCvoid*, ALCsizei);

    AudioOutput() = default;
    static std::unique_ptr<AudioOutput> MakeLoopback();
    bool MakeCurrentContext(const ALCint* attributes);

    AlcDevicePtr device_;
    AlcContextPtr context_;
    RenderFunction renderSamples_ = nullptr;
    bool silent_ = false;
    double pendingFrames_ = 0.0;
    std::vector<float> scratch_;
};

}  // namespace Engine
