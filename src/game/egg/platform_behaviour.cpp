#include "game/egg/platform_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("PlatformBehaviour", PlatformBehaviour);

void PlatformBehaviour::Leave() {
    api::Park(owner);
    moving = false;
}

void PlatformBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == "RightBound" || (moving && other->name == "LeftBound")) Leave();
}
