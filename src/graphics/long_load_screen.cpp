#include "graphics/long_load_screen.h"

#include <algorithm>

#include "graphics/layer.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"
#include "graphics/texture.h"

namespace Engine::graphics {

namespace {

// The boot loading screen's look (MapData/LoadingScreen.xml): a white backdrop
// and a 20 x 0.3 bar near the foot, grey track, blue fill. Colours are alpha,
// blue, green, red.
constexpr uint32_t kBackdrop = 0xFFFFFFFFu;
constexpr uint32_t kTrack = 0xFFDCDCDCu;
constexpr uint32_t kFill = 0xFFC8AF3Cu;
constexpr float kBarY = -7.75f;
constexpr float kBarHalfWidth = 10.0f;
constexpr float kBarHalfHeight = 0.15f;

}  // namespace

LongLoadScreen::LongLoadScreen() : clock(&steadyClock_) {}
LongLoadScreen::~LongLoadScreen() { Drop(); }

void LongLoadScreen::Drop() {
    // The layer first: it lets go of the picture it lists.
    layer_.reset();
    picture_.reset();
}

void LongLoadScreen::SetPicture(const std::string& textureName, const vec2& centre, const vec2& size) {
    pictureName_ = textureName;
    pictureCentre_ = centre;
    pictureSize_ = size;
    Drop();
}

void LongLoadScreen::Begin() {
    shown_.clear();
    start_ = clock->NowNanoseconds();
    lastShown_ = start_;
}

bool LongLoadScreen::Due(size_t built, size_t total) {
    const uint64_t now = clock->NowNanoseconds();
    if (now - start_ < thresholdNs) return false;
    if (!shown_.empty() && now - lastShown_ < intervalNs) return false;
    const float progress = total > 0 ? static_cast<float>(built) / static_cast<float>(total) : 1.0f;
    shown_.push_back(std::clamp(progress, 0.0f, 1.0f));
    lastShown_ = now;
    return true;
}

void LongLoadScreen::Render(Shader* shader, const mat4& screen, float progress) {
    if (!shader) return;
    if (!layer_) layer_ = std::make_unique<TileLayer>(shader, screen, true);
    if (!picture_ && !pictureName_.empty())
        if (Texture* texture = FindTexture(pictureName_)) {
            picture_ = std::make_unique<Sprite>(0.0f, 0.0f);
            picture_->SetTexture(texture);
            picture_->SetColor(0xFFFFFFFFu);  // the texture as it is
            picture_->SetSize(pictureSize_.x, pictureSize_.y);
            picture_->SetPosition({pictureCentre_.x, pictureCentre_.y, 0.0f});
            layer_->Add(picture_.get());
        }
    // Lines are quads their thickness to each side: the backdrop is one segment
    // across the middle, 9 units each way.
    layer_->lines.clear();
    layer_->AddLine(-16.0f, 0.0f, 16.0f, 0.0f, kBackdrop, 9.0f);
    layer_->AddLine(-kBarHalfWidth, kBarY, kBarHalfWidth, kBarY, kTrack, kBarHalfHeight);
    const float fillEnd = -kBarHalfWidth + 2.0f * kBarHalfWidth * progress;
    if (progress > 0.0f) layer_->AddLine(-kBarHalfWidth, kBarY, fillEnd, kBarY, kFill, kBarHalfHeight);
    shader->UseFixedView(screen.elements);
    layer_->Render();
}

}  // namespace Engine::graphics
