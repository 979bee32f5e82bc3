#include "core/frame_clock.h"

#include <chrono>

namespace Engine {

uint64_t SteadyFrameClock::NowNanoseconds() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace Engine
