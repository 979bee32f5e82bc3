#include "game/birds/feedback_destroy.h"

#include "api/script_api.h"

REGISTER_SCRIPT("FeedBackDestroy", FeedBackDestroy);

void FeedBackDestroy::Update(float dt) { elapsed += dt; }
