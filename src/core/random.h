#pragma once
// The game's one source of random numbers. Every gameplay draw (scripts,
// particles) comes from the Core's instance, so a run started from a fixed seed
// with a fixed frame time draws the same numbers in the same order every time,
// on every platform (the C library's rand differs between them).

#include <cstdint>

namespace Engine {

class Random {
public:
    static constexpr int kMax = 32767;

    explicit Random(uint32_t seed = 1) : state_(seed) {}

    void Seed(uint32_t seed) { state_ = seed; }
    // The next number from 0 to 32767 (the classic linear congruential generator).
    int Next();
    // a + Next() mod (b − a + 1). An empty range (b < a) gives `a` without a draw.
    int Between(int a, int b);

    uint32_t State() const { return state_; }

private:
    uint32_t state_;
};

}  // namespace Engine
