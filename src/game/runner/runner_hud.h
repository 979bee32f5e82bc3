#pragma once
// Text for the runner's heads-up display and its score pop-ups.
//
// A script that shows text owns its label outright (std::unique_ptr). The label
// puts itself in the world layer when it is made and leaves every layer when it
// is freed, so it is freed exactly once, by its script, whether the script goes
// first or the layers are emptied first by a level change.

#include <cstdint>
#include <memory>
#include <string>

#include "api/drawing.h"
#include "api/script_api.h"

namespace runner {

using LabelPtr = std::unique_ptr<Engine::graphics::Label>;

// A "PassionOne" label at (x, y) drawn at `order`, re-sorting the layers.
LabelPtr MakeLabel(api::vec2 position, int size, uint32_t color, int32_t order, const std::string& text = "");
void MoveLabel(Engine::graphics::Label* label, api::vec2 position);
api::vec2 LabelPosition(const Engine::graphics::Label* label);
void SortLayers();

// A number that flies from where it was earned to a score anchor: each frame it
// closes twice the remaining offset times dt, for one second, then parks.
class FlyingPrize {
public:
    static constexpr float kFlightTime = 1.0f;

    FlyingPrize(api::vec2 parking, uint32_t color);
    // Starts a flight; a flight in progress is replaced.
    void Launch(const std::string& text, api::vec2 from, api::GameObj* anchor);
    // True on the frame the flight ends.
    bool Update(float dt);
    bool Flying() const { return flying_; }
    Engine::graphics::Label* label() const { return label_.get(); }

private:
    LabelPtr label_;
    api::vec2 parking_;
    api::ObjectRef anchor_;
    float timer_ = 0.0f;
    bool flying_ = false;
};

}  // namespace runner
