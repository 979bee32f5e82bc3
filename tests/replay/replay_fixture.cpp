#include "replay_fixture.h"

#include <gtest/gtest.h>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
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
    engine_ = std::make_unique<TestSupport::HeadlessEngine>();
    startName_ = "boot";
    if (const char* key = LevelKey(start)) {
        engine_->Step();
        Engine::graphics::Graphics::instance->LoadTextureBatch(1 << 20);
        LoadArchetypeList();
        api::Seed(seed);
        startName_ = Engine::GameObjectFactory::instance->levelPaths[key];
        engine_->factory().LoadLevel(startName_);
    } else {
        api::Seed(seed);
    }
}

void DriveBirds(int frame, Engine::ScriptedKeyStateSource& keys, Engine::ScriptedPadSource&) {
    const auto& kKeys1 = IndividualPlayerBehaviour::kPlayer1Keys;  // Left Right Flap Peck Shit Ulti Skill
    const auto& kKeys2 = IndividualPlayerBehaviour::kPlayer2Keys;
    keys.Set(kKeys1[0], (frame / 90) % 2 == 0);
    keys.Set(kKeys1[1], (frame / 90) % 2 == 1);
    keys.Set(kKeys1[2], frame % 14 < 3);
    keys.Set(kKeys1[3], frame % 37 == 0);
    keys.Set(kKeys1[4], frame % 301 == 0);
    keys.Set(kKeys1[5], frame % 613 == 0);
    keys.Set(kKeys1[6], frame % 457 == 0);
    keys.Set(kKeys2[0], (frame / 70) % 2 == 1);
    keys.Set(kKeys2[1], (frame / 70) % 2 == 0);
    keys.Set(kKeys2[2], frame % 11 < 2);
    keys.Set(kKeys2[3], frame % 29 == 0);
    keys.Set(kKeys2[4], frame % 277 == 0);
    keys.Set(kKeys2[5], frame % 587 == 0);
    keys.Set(kKeys2[6], frame % 419 == 0);
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
    input.SetKeyStateSource(std::make_unique<Engine::FrameKeySource>(frame_, std::move(keys)));
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
