#include "core/core.h"

#include <algorithm>
#include <iostream>

namespace Engine {

Core* Core::instance = nullptr;

Core::Core() { instance = this; }

Core::~Core() {
    if (instance == this) instance = nullptr;
}

bool Core::Initialize() {
    for (System* system : systems) {
        if (!system->Initialize()) {
            std::cout << "Init error" << std::endl;
            return false;
        }
    }
    return true;
}

void Core::RunFrame(float unscaledDt) {
    elapsedSeconds_ += unscaledDt;
    const float scaled = TimeScale() * unscaledDt;
    const size_t count = systems.size();
    for (size_t i = 0; i < count; ++i) systems[i]->Update(scaled);
}

void Core::ReseedFromClock() { random.Seed(static_cast<uint32_t>(elapsedSeconds_)); }

void Core::GameLoop() {
    const float fixed = settings.fixedFrameSeconds;
    float dt = fixed > 0.0f ? fixed : 0.0f;
    while (active) {
        const uint64_t t0 = clock_->NowNanoseconds();
        const uint64_t levelsBefore = levelCount_ ? *levelCount_ : 0;
        RunFrame(dt);
        // Wait until a sixtieth of a second has passed since the frame began:
        // asleep for most of it, spinning for the last moment.
        float elapsed = 0.0f;
        for (;;) {
            const uint64_t now = clock_->NowNanoseconds();
            elapsed = static_cast<float>(now - t0) * (1.0f / 1000000000.0f);
            if (elapsed >= kFrameSeconds) break;
            const uint64_t remaining = static_cast<uint64_t>((kFrameSeconds - elapsed) * 1e9f);
            if (remaining > kSpinNanoseconds) clock_->Sleep(remaining - kSpinNanoseconds);
        }
        dt = fixed > 0.0f ? fixed : elapsed;
        if (levelCount_ && *levelCount_ != levelsBefore) dt = std::min(dt, kFrameSeconds);
    }
}

void Core::BroadcastMessage(Message* m) {
    if (m->id == kQuitMessage) active = false;
    for (size_t i = 0; i < systems.size(); ++i) systems[i]->SendMessage(m);
}

}  // namespace Engine
