#pragma once
// Sends three moving platforms across the arena in turn, at random intervals
// of 3 to 7 seconds, each at its own height and from a random side. Nothing is
// launched or sped up while a round's countdown runs.

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class Debris : public Engine::ScriptBase<Debris> {
public:
    explicit Debris(Engine::GameObj* owner = nullptr);

    static constexpr int32_t kCount = 3;

    void Init() override;
    void Update(float dt) override;

    std::array<api::ObjectRef, kCount> platforms;
    std::array<float, kCount> heights{1.5f, -1.5f, -4.5f};
    int32_t count = kCount;
    int32_t direction = 1;  // +1 starts at the right and moves left
    float timer = 0.0f;
    float delay = 3.0f;
    api::ObjectRef levelSettings;
    int32_t index = 0;

private:
    void Draw();
    bool Held() const;
};
