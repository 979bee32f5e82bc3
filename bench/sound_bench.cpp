// The sound system's per-frame cost with the game's whole bank loaded (every
// event instance created) and 16 events playing, and the memory the loaded
// bank takes. Mixing is left out of the timed part: on a real device it runs
// on OpenAL's own thread.
//
//   ./build/bench/sound_bench   (from the repository root)

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "sound/audio_engine.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

// Heap bytes in use (small blocks and mapped ones): unlike the resident size,
// this also counts memory reused from an earlier run of the benchmark.
size_t HeapBytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::vector<std::string> BankPaths() {
    std::ifstream in("Resources/Sounds/Master Bank.strings.bank");
    std::stringstream text;
    text << in.rdbuf();
    const std::string bank = text.str();
    std::vector<std::string> paths;
    const std::regex path("path=\"(event:/[A-Za-z0-9_]+)\"");
    for (std::sregex_iterator it(bank.begin(), bank.end(), path), end; it != end; ++it) paths.push_back((*it)[1]);
    return paths;
}

// The four music events and two looping effects hold on; ten one-shots are
// restarted whenever they end, as busy gameplay would.
const char* const kHeld[] = {"event:/Menu_BGM", "event:/Level_BGM", "event:/Zurododavad_BGM", "event:/Boss_Encounter",
                             "event:/Player_Stunned", "event:/Rure_Farto_Ulti"};
const char* const kRepeated[] = {"event:/Bird_Flap", "event:/Bird_Peck", "event:/Boss_Laser", "event:/Myna_Beam_Ulti",
                                 "event:/Boss_Death", "event:/Portal", "event:/UFO_Enter", "event:/Eagle_Death",
                                 "event:/Bird_Death_Meteor", "event:/Zuva_Scream_Skill"};

std::unique_ptr<Engine::AudioEngine> LoadedEngine(std::unique_ptr<Engine::AudioOutput> output, size_t* bankBytes) {
    const size_t before = HeapBytesInUse();
    auto engine = std::make_unique<Engine::AudioEngine>(std::move(output));
    engine->LoadBank("Resources/Sounds/Master Bank.bank");
    engine->LoadBank("Resources/Sounds/Master Bank.strings.bank");
    for (const auto& path : BankPaths()) engine->LoadEvent(path);
    if (bankBytes) *bankBytes = HeapBytesInUse() - before;
    for (const char* path : kHeld) engine->PlayEvent(path);
    for (const char* path : kRepeated) engine->PlayEvent(path);
    return engine;
}

void KeepSixteenPlaying(Engine::AudioEngine& engine) {
    for (const char* path : kRepeated)
        if (engine.IsEventStopped(path)) engine.PlayEvent(path);
}

int Playing(const Engine::AudioEngine& engine) {
    int playing = 0;
    for (const auto& entry : engine.events) playing += entry.second->State() == Engine::PlaybackState::kPlaying;
    return playing;
}

void BM_SoundUpdate(benchmark::State& state) {
    size_t bankBytes = 0;
    auto engine = LoadedEngine(Engine::AudioOutput::OpenLoopback(), &bankBytes);
    std::vector<float> mix(2 * Engine::AudioOutput::kLoopbackRate / 60);
    for (auto _ : state) {
        state.PauseTiming();
        engine->Output()->Render(mix.data(), Engine::AudioOutput::kLoopbackRate / 60);  // the device's share
        state.ResumeTiming();
        engine->Update(kFrame);
        KeepSixteenPlaying(*engine);
    }
    state.counters["events"] = static_cast<double>(engine->events.size());
    state.counters["playing"] = Playing(*engine);
    state.counters["bank_MiB"] = bankBytes / (1024.0 * 1024.0);
    state.counters["decoded_MiB"] = engine->DecodedBytes() / (1024.0 * 1024.0);
}
BENCHMARK(BM_SoundUpdate)->Unit(benchmark::kMicrosecond);

// The same frame on a machine without a sound device: the update also mixes
// the frame's audio itself (into nothing) so that time passes for the events.
void BM_SoundUpdateSilentDevice(benchmark::State& state) {
    auto engine = LoadedEngine(Engine::AudioOutput::OpenLoopback(), nullptr);
    std::vector<float> mix(2 * Engine::AudioOutput::kLoopbackRate / 60);
    for (auto _ : state) {
        engine->Output()->Render(mix.data(), Engine::AudioOutput::kLoopbackRate / 60);
        engine->Update(kFrame);
        KeepSixteenPlaying(*engine);
    }
    state.counters["playing"] = Playing(*engine);
}
BENCHMARK(BM_SoundUpdateSilentDevice)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
