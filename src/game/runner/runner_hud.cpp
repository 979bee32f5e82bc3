#include "game/runner/runner_hud.h"


namespace runner {

namespace {
const char* const kFont = "PassionOne";
constexpr int kLoadedFontSize = 32;
}

void SortLayers() {
    api::SortLayers();
}

LabelPtr MakeLabel(api::vec2 position, int size, uint32_t color, int32_t order, const std::string& text) {
    // Made at the size the font is first loaded in, then sized: a font is looked
    // up by name and size, and an unknown size would fall back to another font.
    auto label = std::make_unique<Engine::graphics::Label>(position.x, position.y, kFont, kLoadedFontSize, color, text);
    label->SetFontSize(size);
    label->order = order;
    SortLayers();
    return label;
}

void MoveLabel(Engine::graphics::Label* label, api::vec2 position) {
    if (label) label->position = {position.x, position.y, label->position.z};
}

api::vec2 LabelPosition(const Engine::graphics::Label* label) {
    return label ? api::vec2{label->position.x, label->position.y} : api::vec2{};
}

FlyingPrize::FlyingPrize(api::vec2 parking, uint32_t color)
    : label_(MakeLabel(parking, 32, color, 8)), parking_(parking) {}

void FlyingPrize::Launch(const std::string& text, api::vec2 from, api::GameObj* anchor) {
    label_->text = text;
    MoveLabel(label_.get(), from);
    anchor_ = anchor;
    timer_ = 0.0f;
    flying_ = true;
}

bool FlyingPrize::Update(float dt) {
    if (!flying_) return false;
    timer_ += dt;
    if (api::GameObj* anchor = anchor_.Get()) {
        const api::vec2 at = LabelPosition(label_.get());
        MoveLabel(label_.get(), at + (api::Position(anchor) - at) * (2.0f * dt));
    }
    if (timer_ < kFlightTime) return false;
    flying_ = false;
    timer_ = 0.0f;
    MoveLabel(label_.get(), parking_);
    return true;
}

}  // namespace runner
