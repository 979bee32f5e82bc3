#include "wiring/lockstep_frames.h"

#include <iostream>
#include <sstream>

#include "core/core.h"
#include "input/input.h"
#include "net/action_keys.h"
#include "objects/atomic_file.h"
#include "wiring/engine.h"
#include "wiring/world_hash.h"

namespace Engine {

LockstepFrames::LockstepFrames(EngineSystems& systems, net::LockstepSession& session,
                               std::shared_ptr<InputFrame> runFrame, std::string start)
    : systems_(systems), session_(session), runFrame_(std::move(runFrame)) {
    recording_.header.start = std::move(start);
    recording_.header.focused = true;
}

bool LockstepFrames::Turn(const InputFrame& local) {
    session_.Pump();
    if (session_.NeedsLocalInput()) session_.SubmitLocalInput(net::ActionsFromLocalInput(local));
    const std::optional<net::FrameInputs> inputs = session_.NextFrame();
    if (!inputs) return false;
    if (!started_) {
        // Both games start from the host's seed, with input answering, whatever
        // either machine's window focus did before.
        started_ = true;
        systems_.core->random.Seed(session_.Seed());
        if (systems_.input) systems_.input->active = true;
        recording_.header.seed = systems_.core->random.State();
    }
    *runFrame_ = net::LockstepInputFrame(*inputs);
    ReplayFrame frame;
    frame.input = *runFrame_;
    recording_.frames.push_back(frame);
    systems_.core->RunFrame(Core::kFrameSeconds);
    const uint32_t framesRun = static_cast<uint32_t>(recording_.frames.size());
    if (session_.HashDue(framesRun)) session_.ReportWorldHash(framesRun, WorldHash());
    return true;
}

std::string LockstepFrames::SaveOutOfStepRecording(const std::string& folder) const {
    const uint32_t frame = session_.OutOfStepFrame().value_or(static_cast<uint32_t>(FramesRun()));
    const std::string path = folder + "/online-out-of-step-frame-" + std::to_string(frame) + "-" +
                             (session_.LocalPlayer() == 0 ? "host" : "guest") + ".tolvex-replay";
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
