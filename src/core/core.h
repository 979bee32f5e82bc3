#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/engine_settings.h"
#include "core/online_request.h"
#include "core/frame_clock.h"
#include "core/random.h"
#include "core/system.h"

namespace Engine {

// Owns the ordered list of systems (not the systems themselves), initialises
// them, runs the 60 Hz frame loop and delivers broadcasts.
class Core {
public:
    static constexpr float kFrameSeconds = 0.016666668f;
    // The wait for the next frame sleeps until this long before it is due, then
    // spins: a sleep can overrun by a scheduler tick, the spin cannot.
    static constexpr uint64_t kSpinNanoseconds = 1500000;

    Core();
    virtual bool Initialize();
    virtual ~Core();

    static Core* instance;  // the one published Core

    void Register(System* system) { systems.push_back(system); }

    // Runs frames until `active` is false at the end of one.
    void GameLoop();
    // One frame: every system's Update with dt scaled by the time scale.
    // The harness calls it directly with a fixed dt.
    void RunFrame(float unscaledDt);
    void BroadcastMessage(Message* m);

    // The frame loop multiplies dt by *timeScale; the game logic points it at its own field.
    void SetTimeScaleSource(const float* source) { timeScale_ = source; }
    float TimeScale() const { return timeScale_ ? *timeScale_ : 1.0f; }

    void SetClock(FrameClock* clock) { clock_ = clock; }

    // A count that goes up with every level load (the factory's level epoch). A
    // frame that loaded a level lasted as long as the load; the frame after it
    // steps by one frame's time at most, so the new level starts without a jump.
    void SetLevelCountSource(const uint64_t* source) { levelCount_ = source; }

    // Seconds of frame time since the loop started: the sum of every frame's
    // unscaled dt. It is the game's "current time", so reseeding from it repeats
    // in a run with a fixed frame time.
    double ElapsedSeconds() const { return elapsedSeconds_; }
    // Seeds `random` with the whole seconds of ElapsedSeconds().
    void ReseedFromClock();

    std::vector<System*> systems;
    bool active = true;
    EngineSettings settings;
    // The Online screen's request to the wiring, and the last online game's end.
    OnlineRequest online;
    // Every gameplay random draw (scripts and particles) comes from here.
    Random random;

private:
    SteadyFrameClock steadyClock_;
    FrameClock* clock_ = &steadyClock_;
    const float* timeScale_ = nullptr;
    const uint64_t* levelCount_ = nullptr;
    double elapsedSeconds_ = 0.0;
};

}  // namespace Engine
