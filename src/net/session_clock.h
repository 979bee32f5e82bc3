#pragma once
// The time a lockstep session reads, in seconds: the steady clock in the game,
// a hand-turned one in tests, so a five-second silence takes no five seconds.

#include <chrono>

namespace Engine::net {

class SessionClock {
public:
    virtual ~SessionClock() = default;
    virtual double Now() const = 0;
};

class SteadySessionClock final : public SessionClock {
public:
    double Now() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class ManualSessionClock final : public SessionClock {
public:
    double Now() const override { return now_; }
    void Advance(double seconds) { now_ += seconds; }

private:
    double now_ = 0.0;
};

}  // namespace Engine::net
