#include "game/round/feedback_system.h"

#include "api/script_api.h"

REGISTER_SCRIPT("FeedbackSystem", FeedbackSystem);

namespace {
const api::SoundEvent kMenuMusic{"event:/Menu_BGM"};
}

void FeedbackSystem::Init() { api::Play(kMenuMusic); }
