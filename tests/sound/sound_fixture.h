#pragma once
// Helpers for the sound tests: sound files and banks written into a temporary
// folder, and an engine on OpenAL Soft's loopback device whose mix the tests
// render and measure.

#include <gtest/gtest.h>
#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "sound/audio_engine.h"

namespace sound_test {

constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr int kRate = Engine::AudioOutput::kLoopbackRate;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvex-sound-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A stretch of a test sound: a sine of `hz` (0 = silence) for `seconds`.
struct Tone {
    float hz;
    float seconds;
};

// Writes a mono 22,050 Hz sound; `format` picks WAV or OGG Vorbis.
inline void WriteSound(const std::string& file, const std::vector<Tone>& tones,
                       int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    constexpr int rate = 22050;
    std::vector<float> samples;
    double phase = 0.0;
    for (const Tone& tone : tones) {
        const int count = static_cast<int>(tone.seconds * rate);
        for (int i = 0; i < count; ++i) {
            samples.push_back(tone.hz > 0 ? 0.5f * static_cast<float>(std::sin(phase)) : 0.0f);
            phase += 2.0 * M_PI * tone.hz / rate;
        }
    }
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* handle = sf_open(file.c_str(), SFM_WRITE, &info);
    ASSERT_NE(handle, nullptr) << sf_strerror(nullptr);
    sf_writef_float(handle, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(handle);
}

inline void WriteText(const std::string& file, const std::string& text) { std::ofstream(file) << text; }

// Writes "Master Bank.bank" (the given <Event> elements) and a strings bank
// mapping "event:/<id>" to each listed id into `folder`.
inline void WriteBanks(const TempFolder& folder, const std::string& events, const std::vector<std::string>& ids) {
    WriteText(folder.File("Master Bank.bank"), "<Bank>\n" + events + "</Bank>\n");
    std::string strings = "<Strings>\n";
    for (const auto& id : ids) strings += "  <Path path=\"event:/" + id + "\" event=\"" + id + "\" />\n";
    WriteText(folder.File("Master Bank.strings.bank"), strings + "</Strings>\n");
}

// An engine on a loopback device. Play(seconds) runs frames the way the game
// does (one update, then 1/60 s of mixing) and returns the mixed stereo samples.
class LoopbackEngine {
public:
    LoopbackEngine() : engine(Engine::AudioOutput::OpenLoopback()) {}
    explicit LoopbackEngine(const TempFolder& banks) : LoopbackEngine() {
        engine.LoadBank(banks.File("Master Bank.bank"));
        engine.LoadBank(banks.File("Master Bank.strings.bank"));
    }

    std::vector<float> Play(float seconds) {
        std::vector<float> mixed;
        const int frames = static_cast<int>(std::lround(seconds / kFrameSeconds));
        for (int i = 0; i < frames; ++i) {
            engine.Update(kFrameSeconds);
            std::vector<float> chunk = engine.Output()->Render(kRate / 60);
            mixed.insert(mixed.end(), chunk.begin(), chunk.end());
        }
        return mixed;
    }

    Engine::AudioEngine engine;
};

inline float Rms(const std::vector<float>& samples, size_t first = 0, size_t last = SIZE_MAX) {
    last = std::min(last, samples.size());
    if (first >= last) return 0.0f;
    double sum = 0.0;
    for (size_t i = first; i < last; ++i) sum += double(samples[i]) * samples[i];
    return static_cast<float>(std::sqrt(sum / double(last - first)));
}

// RMS of the samples between two times (seconds) of a stereo render.
inline float RmsBetween(const std::vector<float>& samples, float from, float to) {
    return Rms(samples, static_cast<size_t>(from * kRate) * 2, static_cast<size_t>(to * kRate) * 2);
}

// Frequency of a stereo render's left channel, from its rising zero crossings.
inline float DominantHz(const std::vector<float>& samples, float from, float to) {
    const size_t first = static_cast<size_t>(from * kRate), last = std::min(samples.size() / 2, size_t(to * kRate));
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i)
        if (samples[2 * (i - 1)] < 0.0f && samples[2 * i] >= 0.0f) ++crossings;
    return crossings / (to - from);
}

// Standard output of one call.
template <typename Action>
std::string Printed(Action&& action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

}  // namespace sound_test
