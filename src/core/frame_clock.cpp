#include "core/frame_clock.h"

#include <chrono>
#include <thread>

namespace Engine {

uint64_t SteadyFrameClock::NowNanoseconds() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count());
}

void SteadyFrameClock::Sleep(uint64_t ns) { std::this_thread::sleep_for(std::chrono::nanoseconds(ns)); }

}  // namespace Engine
