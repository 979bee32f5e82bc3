#include "core/random.h"

namespace Engine {

int Random::Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

int Random::Between(int a, int b) {
    if (b < a) return a;
    const int draw = Next();
    // The span is computed wide so that a range over the whole int still works.
    const int64_t span = static_cast<int64_t>(b) - a + 1;
    return static_cast<int>(a + draw % span);
}

}  // namespace Engine
