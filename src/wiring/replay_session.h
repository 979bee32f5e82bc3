#pragma once
// Recording the input of a run and playing it back: hooking the recorder and
// the replayer into built systems (the game and the test harness share these),
// and the two command-line runs, --record and --replay.

#include <memory>
#include <string>

#include "input/input_frame.h"
#include "wiring/replay_file.h"

namespace Engine {

class EngineSystems;
struct EngineOptions;
class InputRecorder;
class InputReplayer;

// Starts recording into `path` with the next frame. The input system must already
// read through frame sources on `frame`, filled from its devices. The header takes
// the random source's state now, `start`, and whether the input answers now. The
// recorder runs last in every frame and belongs to the systems' list. Null, with
// one line in `error`, when the file cannot be written.
InputRecorder* StartRecording(EngineSystems& systems, const std::string& path, std::shared_ptr<const InputFrame> frame,
                              const std::string& start, std::string& error);

// Plays `replay` back from the next frame: seeds the random source and sets
// whether the input answers as the header says, and puts the replayer first in
// every frame, filling `frame` (which the input's frame sources must read).
InputReplayer* StartReplay(EngineSystems& systems, Replay replay, std::shared_ptr<InputFrame> frame);

// `tolvex --record FILE`: the game as usual (window, devices, 60 Hz pacing) but
// every frame advances by exactly 1/60 s, and its input goes into FILE. At the
// end it prints the world's hash. Returns the exit code.
int RunRecording(const EngineOptions& options, const std::string& path);

// `tolvex --replay FILE`: no window, silent sound, the recorded input, frames run
// as fast as they go at 1/60 s each; prints the world's hash after the last one
// and returns 0. A file that cannot be played gets one line and exit code 1.
int RunReplay(const EngineOptions& options, const std::string& path);

}  // namespace Engine
