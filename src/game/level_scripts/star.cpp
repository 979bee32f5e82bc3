#include "game/level_scripts/star.h"

#include "api/script_api.h"
#include "api/stage.h"

REGISTER_SCRIPT("Star", Star);

void Star::Init() {
    // Each star draws its own size from the game's one random source, so stars
    // made in the same second still differ.
    scale = static_cast<float>(api::RandomInt(0, 32767)) * 6.1037e-6f + 0.1f;
    elapsed = 0.0f;
    api::SetScale(owner, {scale, scale});
    api::SetLayer(owner, api::Layer(owner) < 1 ? 1 : api::Layer(owner));
}

void Star::Update(float dt) {
    elapsed += dt;
    if (elapsed < 1.5f)
        scale += 0.1f * dt;
    else if (elapsed > 1.5f)
        scale -= 0.1f * dt;
    if (elapsed > 3.0f) elapsed = 0.0f;
    api::SetScale(owner, {scale, scale});
}
