#include "wiring/replay_session.h"

#include <fstream>
#include <iostream>

#include "core/core.h"
#include "input/input.h"
#include "wiring/engine.h"
#include "wiring/input_recorder.h"
#include "wiring/input_replayer.h"
#include "wiring/world_hash.h"

namespace Engine {

InputRecorder* StartRecording(EngineSystems& systems, const std::string& path, std::shared_ptr<const InputFrame> frame,
                              const std::string& start, std::string& error) {
    auto out = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    if (!*out) {
        error = path + ": cannot write the recording there";
        return nullptr;
    }
    ReplayHeader header;
    header.seed = systems.core->random.State();
    header.start = start;
    header.focused = systems.input && systems.input->active;
    auto* recorder = new InputRecorder(std::move(out), header, std::move(frame));
    systems.core->Register(recorder);  // deleted with the other systems
    return recorder;
}

InputReplayer* StartReplay(EngineSystems& systems, Replay replay, std::shared_ptr<InputFrame> frame) {
    systems.core->random.Seed(replay.header.seed);
    if (systems.input) systems.input->active = replay.header.focused;
    auto* replayer = new InputReplayer(std::move(replay), std::move(frame));
    auto& list = systems.core->systems;
    list.insert(list.begin(), replayer);  // deleted with the other systems
    return replayer;
}

int RunRecording(const EngineOptions& given, const std::string& path) {
    EngineOptions options = given;
    auto frame = std::make_shared<InputFrame>();
    options.inputFrame = frame;
    EngineSystems systems(options);
    systems.core->settings.fixedFrameSeconds = Core::kFrameSeconds;
    std::string error;
    InputRecorder* recorder = StartRecording(systems, path, frame, "boot", error);
    if (!recorder) {
        std::cout << error << std::endl;
        return 1;
    }
    if (systems.Initialize()) systems.Run();
    const bool written = recorder->Finish();
    std::cout << WorldHashLine(recorder->frames()) << std::endl;
    if (!written) {
        std::cout << path << ": the recording could not be written completely" << std::endl;
        return 1;
    }
    return 0;
}

int RunReplay(const EngineOptions& given, const std::string& path) {
    ReplayReadResult read = ReadReplayFile(path);
    if (!read.ok()) {
        std::cout << read.error << std::endl;
        return 1;
    }
    if (read.replay.header.start != "boot") {
        std::cout << path << ": starts in " << read.replay.header.start
                  << ", set up by a test harness; this game replays recordings that start at boot" << std::endl;
        return 1;
    }
    EngineOptions options = given;
    options.window = false;
    options.scriptedInput = true;
    options.silentSound = true;
    options.quitAfterFrames = 0;
    auto frame = std::make_shared<InputFrame>();
    options.inputFrame = frame;
    EngineSystems systems(options);
    InputReplayer* replayer = StartReplay(systems, std::move(read.replay), frame);
    if (!systems.Initialize()) return 1;
    int frames = 0;
    while (systems.core->active && !replayer->finished()) {
        systems.core->RunFrame(Core::kFrameSeconds);
        ++frames;
    }
    std::cout << WorldHashLine(frames) << std::endl;
    return 0;
}

}  // namespace Engine
