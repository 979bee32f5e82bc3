#include "wiring/lockstep_frames.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "core/core.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "window/window.h"
#include "net/action_keys.h"
#include "objects/atomic_file.h"
#include "objects/game_object_factory.h"
#include "wiring/engine.h"
#include "wiring/online_match_hook.h"
#include "wiring/world_hash.h"

namespace Engine {

namespace {

// Runs right after the window: a focus change on this machine must not switch
// the input off or pause the match in a game that another machine mirrors.
class FocusShield final : public System {
public:
    FocusShield(Input* input, GameLogic* logic, const bool& pausedAfterFrame)
        : input_(input), logic_(logic), pausedAfterFrame_(pausedAfterFrame) {}
    bool Initialize() override { return true; }
    void Update(float) override {
        if (input_) input_->active = true;
        if (logic_) logic_->paused = pausedAfterFrame_;
    }

private:
    Input* input_;
    GameLogic* logic_;
    const bool& pausedAfterFrame_;
};

}  // namespace

LockstepFrames::LockstepFrames(EngineSystems& systems, net::LockstepSession& session,
                               std::shared_ptr<InputFrame> runFrame, std::string start)
    : systems_(systems), session_(session), runFrame_(std::move(runFrame)) {
    recording_.header.start = std::move(start);
    recording_.header.focused = true;
    if (systems_.logic) pausedAfterFrame_ = systems_.logic->paused;
    auto& list = systems_.core->systems;
    const auto afterWindow = systems_.window ? std::find(list.begin(), list.end(), static_cast<System*>(systems_.window)) + 1 : list.begin();
    // Deleted with the other systems.
    list.insert(afterWindow, new FocusShield(systems_.input, systems_.logic, pausedAfterFrame_));
}

bool LockstepFrames::Turn(const InputFrame& local, const std::function<net::PlayerActions()>& computer) {
    session_.Pump();
    if (session_.NeedsLocalInput()) {
        net::PlayerActions actions = net::ActionsFromLocalInput(local);
        if (computer) actions.bits |= computer().bits;
        session_.SubmitLocalInput(actions);
    }
    const std::optional<net::FrameInputs> inputs = session_.NextFrame();
    if (!inputs) return false;
    if (!started_) Start();
    *runFrame_ = net::LockstepInputFrame(*inputs);
    ReplayFrame frame;
    frame.input = *runFrame_;
    recording_.frames.push_back(frame);
    systems_.core->RunFrame(Core::kFrameSeconds);
    if (systems_.logic) pausedAfterFrame_ = systems_.logic->paused;
    const uint32_t framesRun = static_cast<uint32_t>(recording_.frames.size());
    if (session_.HashDue(framesRun)) session_.ReportWorldHash(framesRun, WorldHash());
    return true;
}

void LockstepFrames::Start() {
    // Both games start from the host's seed, with input answering, whatever
    // either machine's window focus did before.
    started_ = true;
    const std::string& level = session_.StartLevel();
    const OnlineMatchCalls& match = RegisteredOnlineMatch();
    if (!level.empty() && match.Complete() && systems_.factory) {
        // Straight into the host's level, as the test harness starts a level:
        // the boot frame, a fresh match, the seed, then the level. The recording
        // starts in that level and plays back in the harness.
        systems_.core->RunFrame(Core::kFrameSeconds);
        match.prepareMatch();
        systems_.core->random.Seed(session_.Seed());
        const std::string path = systems_.factory->levelPaths[level];
        if (path.empty()) std::cout << "The online match's level " << level << " is not in this game" << std::endl;
        else systems_.factory->LoadLevel(path);
        recording_.header.start = path.empty() ? recording_.header.start : path;
        inMatch_ = !path.empty();
    } else {
        systems_.core->random.Seed(session_.Seed());
    }
    if (systems_.input) systems_.input->active = true;
    recording_.header.seed = systems_.core->random.State();
}

std::string LockstepFrames::MatchResult() const {
    const OnlineMatchCalls& match = RegisteredOnlineMatch();
    return inMatch_ && match.Complete() ? match.matchResult() : std::string();
}

std::string LockstepFrames::SaveOutOfStepRecording(const std::string& folder) const {
    const uint32_t frame = session_.OutOfStepFrame().value_or(static_cast<uint32_t>(FramesRun()));
    return SaveRecording(folder + "/online-out-of-step-frame-" + std::to_string(frame) + "-" +
                         (session_.LocalPlayer() == 0 ? "host" : "guest") + ".tolvex-replay");
}

std::string LockstepFrames::SaveRecording(const std::string& path) const {
    std::ostringstream text;
    ReplayWriter writer(text, recording_.header);
    for (const ReplayFrame& f : recording_.frames) writer.Write(f);
    writer.Finish();
    if (!WriteFileAtomically(path, text.str())) {
        std::cout << "Cannot save the online recording to " << path << std::endl;
        return "";
    }
    return path;
}

}  // namespace Engine
