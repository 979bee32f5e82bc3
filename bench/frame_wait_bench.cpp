// The frame loop's wait on its own: Core::GameLoop at 60 Hz with one system that
// works a set time per frame (a light menu frame), for a set time, once with the
// steady clock (sleep, then spin for the last moment) and once with a clock that
// never sleeps (the loop's former busy-wait). Prints the processor time the
// thread used, as a share of one core, and the frame times the loop measured.
//
// Usage: frame_wait_bench [seconds per run, default 10] [work per frame in ms, default 2]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "core/core.h"
#include "core/frame_clock.h"
#include "core/system.h"

namespace {

// The former wait: reads the clock until the frame is due, never sleeping.
class SpinningClock final : public Engine::FrameClock {
public:
    uint64_t NowNanoseconds() override { return steady_.NowNanoseconds(); }
    void Sleep(uint64_t) override {}

private:
    Engine::SteadyFrameClock steady_;
};

class BusyFrame : public Engine::System {
public:
    BusyFrame(Engine::Core& core, double workMs, double seconds) : core_(core), workMs_(workMs), seconds_(seconds) {}
    bool Initialize() override { return true; }
    void Update(float dt) override {
        if (dts.empty()) start_ = std::chrono::steady_clock::now();
        dts.push_back(dt);
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(long(workMs_ * 1000));
        while (std::chrono::steady_clock::now() < until) {
        }
        if (std::chrono::steady_clock::now() - start_ >= std::chrono::duration<double>(seconds_)) core_.active = false;
    }
    std::vector<float> dts;

private:
    Engine::Core& core_;
    double workMs_, seconds_;
    std::chrono::steady_clock::time_point start_;
};

double ThreadCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Run(const char* name, Engine::FrameClock* clock, double seconds, double workMs) {
    Engine::Core core;
    if (clock) core.SetClock(clock);
    BusyFrame frame(core, workMs, seconds);
    core.Register(&frame);
    const double cpu0 = ThreadCpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    core.GameLoop();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    const double cpu = ThreadCpuSeconds() - cpu0;

    std::vector<double> ms;
    for (size_t i = 1; i < frame.dts.size(); ++i) ms.push_back(frame.dts[i] * 1000.0);
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size();
    double var = 0.0;
    for (double m : ms) var += (m - mean) * (m - mean);
    const double sd = std::sqrt(var / ms.size());
    auto at = [&](double q) { return sorted[std::min(sorted.size() - 1, size_t(q * sorted.size()))]; };
    const long late = std::count_if(ms.begin(), ms.end(), [](double m) { return m > 17.5; });
    std::printf("%-22s cpu %5.1f %% of one core | %zu frames: mean %.3f ms, sd %.3f ms, p1 %.3f, median %.3f, "
                "p99 %.3f, max %.3f ms, over 17.5 ms: %ld\n",
                name, 100.0 * cpu / wall, ms.size(), mean, sd, at(0.01), at(0.5), at(0.99), sorted.back(), late);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const double workMs = argc > 2 ? std::atof(argv[2]) : 2.0;
    std::printf("frame loop, %.0f s per run, %.1f ms of work per frame\n", seconds, workMs);
    SpinningClock spinning;
    Run("busy-wait (before)", &spinning, seconds, workMs);
    Run("sleep + spin (after)", nullptr, seconds, workMs);
    return 0;
}
