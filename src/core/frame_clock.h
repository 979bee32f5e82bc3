#pragma once
// The frame loop's time source. The game uses the steady clock; tests inject
// a clock they advance themselves so frames step with an exact dt and no waiting.

#include <cstdint>

namespace Engine {

class FrameClock {
public:
    virtual ~FrameClock() = default;
    // Monotonic time in nanoseconds.
    virtual uint64_t NowNanoseconds() = 0;
    // Gives the processor away for about `ns` (possibly a little longer).
    virtual void Sleep(uint64_t ns) = 0;
};

class SteadyFrameClock final : public FrameClock {
public:
    uint64_t NowNanoseconds() override;
    void Sleep(uint64_t ns) override;
};

// Advances by a fixed step at every reading, so a busy-wait on it ends after
// a known number of reads and a frame lasts a known time. Sleeps are counted,
// and pass time only when asked to.
class ManualFrameClock final : public FrameClock {
public:
    explicit ManualFrameClock(uint64_t stepPerRead = 0) : step_(stepPerRead) {}
    uint64_t NowNanoseconds() override {
        now_ += step_;
        ++reads;
        return now_;
    }
    // Counts the sleep; moves the time on by it only when `advanceOnSleep`.
    void Sleep(uint64_t ns) override {
        ++sleeps;
        slept += ns;
        if (advanceOnSleep) now_ += ns;
    }
    void Advance(uint64_t ns) { now_ += ns; }
    void SetStepPerRead(uint64_t ns) { step_ = ns; }
    uint64_t Peek() const { return now_; }

    bool advanceOnSleep = false;
    uint64_t reads = 0;
    uint64_t sleeps = 0;
    uint64_t slept = 0;

private:
    uint64_t now_ = 0;
    uint64_t step_;
};

}  // namespace Engine
