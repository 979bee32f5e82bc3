#include "replay_fixture.h"

#include <array>

#include <gtest/gtest.h>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "input/frame_key_source.h"
#include "input/frame_pad_source.h"
#include "input/input.h"
#include "objects/game_object_factory.h"
#include "wiring/input_recorder.h"
#include "wiring/input_replayer.h"
#include "wiring/replay_session.h"
#include "wiring/world_hash.h"

namespace ReplayTests {

void CopyGameData(const TestSupport::ScratchDir& dir) {
    dir.CopyGameData();
    // Where a match leaves for; the story's own cutscene is not needed here.
    if (!dir.Exists("MapData/CutScene.xml")) dir.Write("MapData/CutScene.xml", "<Level></Level>\n");
}

namespace {
const char* LevelKey(Start start) {
    switch (start) {
        case Start::kEggLevel: return "Level1";
        case Start::kRunner: return "Level4";
        case Start::kBossLevel: return "Zurododavad";
        case Start::kFoodCourt: return "Level2";
        case Start::kBoot: break;
    }
    return nullptr;
}
}  // namespace

HarnessRun::HarnessRun(Start start, unsigned seed) {
    // Each run starts as a fresh program would: the runner's debris counter
    // lives as long as the program (every fifth piece is a meteor), so an
    // earlier run in this process would turn other pieces into meteors.
    Game::runnerDebrisCount = 0;
    engine_ = std::make_unique<TestSupport::HeadlessEngine>();
    startName_ = "boot";
    if (const char* key = LevelKey(start)) {
        startName_ = Engine::GameObjectFactory::instance->levelPaths[key];
        engine_->OpenLevel(key, seed);
    } else {
        api::Seed(seed);
    }
}

namespace {
// One bird's key schedule: it walks one way for `walk` frames, then the other
// (starting left or right), flaps `flapHeld` frames in every `flapEvery`, and
// taps peck, dung, ultimate and skill every so many frames.
struct BirdSchedule {
    const std::array<Engine::VirtualKey, 7>& keys;  // Left Right Flap Peck Shit Ulti Skill
    int walk;
    bool startsLeft;
    int flapEvery, flapHeld, peck, dung, ultimate, skill;
};
}  // namespace

void DriveBirds(int frame, Engine::ScriptedKeyStateSource& keys, Engine::ScriptedPadSource&) {
    const BirdSchedule birds[] = {
        {IndividualPlayerBehaviour::kPlayer1Keys, 90, true, 14, 3, 37, 301, 613, 457},
        {IndividualPlayerBehaviour::kPlayer2Keys, 70, false, 11, 2, 29, 277, 587, 419},
    };
    for (const BirdSchedule& b : birds) {
        const bool firstWay = (frame / b.walk) % 2 == 0;
        keys.Set(b.keys[0], firstWay == b.startsLeft);
        keys.Set(b.keys[1], firstWay != b.startsLeft);
        keys.Set(b.keys[2], frame % b.flapEvery < b.flapHeld);
        keys.Set(b.keys[3], frame % b.peck == 0);
        keys.Set(b.keys[4], frame % b.dung == 0);
        keys.Set(b.keys[5], frame % b.ultimate == 0);
        keys.Set(b.keys[6], frame % b.skill == 0);
    }
}

HarnessRun::~HarnessRun() { engine_.reset(); }

RunResult HarnessRun::Record(
    const std::string& path, int maxFrames,
    const std::function<void(int, Engine::ScriptedKeyStateSource&, Engine::ScriptedPadSource&)>& drive,
    const std::function<bool()>& stop) {
    // The harness's own scripted sources go; these two sit behind the frame sources.
    auto keys = std::make_unique<Engine::ScriptedKeyStateSource>();
    auto pads = std::make_unique<Engine::ScriptedPadSource>();
    Engine::ScriptedKeyStateSource& heldKeys = *keys;
    Engine::ScriptedPadSource& heldPads = *pads;
    Engine::Input& input = *engine_->systems().input;
    // The computer players' keys join below the frame source, as in the game.
    input.SetKeyStateSource(std::make_unique<Engine::FrameKeySource>(
        frame_, std::make_unique<Engine::ComputerKeySource>(input.Computer(), std::move(keys))));
    input.SetPadStateSource(std::make_unique<Engine::FramePadSource>(frame_, std::move(pads)));
    std::string error;
    Engine::InputRecorder* recorder = Engine::StartRecording(engine_->systems(), path, frame_, startName_, error);
    EXPECT_NE(recorder, nullptr) << error;
    RunResult result;
    if (!recorder) return result;
    for (int frame = 0; frame < maxFrames; ++frame) {
        drive(frame, heldKeys, heldPads);
        engine_->Step();
        if (stop()) break;
    }
    EXPECT_TRUE(recorder->Finish());
    result.frames = recorder->frames();
    result.hash = Engine::WorldHash();
    result.level = engine_->factory().currentLevelPath;
    return result;
}

RunResult HarnessRun::Play(Engine::Replay replay) {
    Engine::Input& input = *engine_->systems().input;
    input.SetKeyStateSource(std::make_unique<Engine::FrameKeySource>(frame_));
    input.SetPadStateSource(std::make_unique<Engine::FramePadSource>(frame_));
    Engine::InputReplayer* replayer = Engine::StartReplay(engine_->systems(), std::move(replay), frame_);
    RunResult result;
    while (!replayer->finished()) {
        engine_->Step();
        ++result.frames;
    }
    result.hash = Engine::WorldHash();
    result.level = engine_->factory().currentLevelPath;
    return result;
}

}  // namespace ReplayTests
