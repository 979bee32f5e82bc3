#include "game/birds/feedback_destroy.h"

#include "api/drawing.h"
#include "api/script_api.h"

REGISTER_SCRIPT("FeedBackDestroy", FeedBackDestroy);

void FeedBackDestroy::Update(float dt) {
    elapsed += dt;
    const Engine::graphics::Animator* animator = api::AnimatorOf(owner);
    // Without an animator, or with a frame time of 0, the ratio has no meaning:
    // such a feedback lives for 1.5 s.
    const float frameTime = animator && animator->frameTime > 0.0f ? animator->frameTime : 1.0f;
    if (elapsed / frameTime > 1.5f) api::Destroy(owner);
}
