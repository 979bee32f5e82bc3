#pragma once
// What the replay tests share: the game's data in a scratch folder, harness runs
// that record their scripted input or play a recording back, and the world's hash.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "input/input_frame.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"
#include "wiring/replay_file.h"

namespace ReplayTests {

// Everything a run from boot or in the egg level reads.
void CopyGameData(const TestSupport::ScratchDir& dir);

// Both birds busy all match through their keys: each wanders from side to side,
// flaps in bursts, pecks, drops dung and tries its skill and ultimate now and
// then, on schedules that do not line up so the fight keeps changing.
void DriveBirds(int frame, Engine::ScriptedKeyStateSource& keys, Engine::ScriptedPadSource& pads);

// Where a harness run starts: the boot frame, or a gameplay level by its key.
enum class Start { kBoot, kEggLevel, kRunner, kBossLevel, kFoodCourt };

struct RunResult {
    uint64_t hash = 0;
    int frames = 0;
    std::string level;  // the level loaded at the end
};

// A headless engine at `start` (a level: textures and archetypes loaded, the
// random source seeded, the level just loaded), with its input read through a
// shared InputFrame.
class HarnessRun {
public:
    explicit HarnessRun(Start start, unsigned seed = 1234);
    ~HarnessRun();

    TestSupport::HeadlessEngine& engine() { return *engine_; }
    const std::string& startName() const { return startName_; }

    // Drives the keys and pads by `drive(frame, keys, pads)` before each frame and
    // records into `path`, until `stop()` holds after a frame or `maxFrames` ran.
    RunResult Record(const std::string& path, int maxFrames,
                     const std::function<void(int, Engine::ScriptedKeyStateSource&, Engine::ScriptedPadSource&)>& drive,
                     const std::function<bool()>& stop);
    // Plays `replay` back to its end.
    RunResult Play(Engine::Replay replay);

private:
    std::unique_ptr<TestSupport::HeadlessEngine> engine_;
    std::shared_ptr<Engine::InputFrame> frame_ = std::make_shared<Engine::InputFrame>();
    std::string startName_;
};

}  // namespace ReplayTests
