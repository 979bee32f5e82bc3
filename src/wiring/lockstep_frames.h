#pragma once
// The game's frames driven by an online lockstep session: each turn hands this
// machine's input to the session and runs the next frame, at the fixed 1/60 s
// step, only once both players' actions for it are here; the frame the game then
// reads holds exactly those actions (net/action_keys.h). Every frame run is kept
// as a recording in the replay format, which plays back offline to the same
// world hash and is written out when the two games go out of step.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "input/input_frame.h"
#include "net/lockstep_session.h"
#include "wiring/replay_file.h"

namespace Engine {

class EngineSystems;

class LockstepFrames {
public:
    // The input system must read its keys and pads from `runFrame` alone (frame
    // sources without devices). `start` is the recording's start ("boot", or the
    // level a test harness loaded). Puts a small system right after the window
    // that undoes what this machine's window focus did to the shared game (input
    // off, a match paused), so both machines' games stay alike.
    LockstepFrames(EngineSystems& systems, net::LockstepSession& session, std::shared_ptr<InputFrame> runFrame,
                   std::string start = "boot");

    // One turn of the loop with this machine's devices as read now: true when a
    // frame ran, false while connecting, waiting for the peer, or after the end.
    // `computer`, when given, adds the actions of a computer player in this
    // machine's seat; it is asked once for each frame of input the session takes.
    bool Turn(const InputFrame& local, const std::function<net::PlayerActions()>& computer = {});

    int FramesRun() const { return static_cast<int>(recording_.frames.size()); }
    // When the session names a start level (the host's --level): the result
    // line of its match once the level recorded one, else empty.
    std::string MatchResult() const;
    const Replay& Recording() const { return recording_; }

    // Writes the recording into `folder` as online-out-of-step-frame-N-<host|guest>.tolvex-replay
    // and returns its path; empty (with one line on standard output) when it cannot.
    std::string SaveOutOfStepRecording(const std::string& folder) const;
    // Writes the recording to `path` (atomically) and returns it; empty (with one line) when it cannot.
    std::string SaveRecording(const std::string& path) const;

private:
    // Before the first frame: the host's seed and, when the session names one, its start level.
    void Start();

    EngineSystems& systems_;
    net::LockstepSession& session_;
    std::shared_ptr<InputFrame> runFrame_;
    Replay recording_;
    bool started_ = false;
    bool inMatch_ = false;           // started in the session's start level
    bool pausedAfterFrame_ = false;  // the pause flag as the last frame left it
};

}  // namespace Engine
