#include "game/story/credit_scene_behaviour.h"

#include "api/script_api.h"
#include "game/story/story_wipe.h"

REGISTER_SCRIPT("CreditSceneBehaviour", CreditSceneBehaviour);

namespace {
const api::LevelKey kBack{"MainMenu_KR"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
}  // namespace

void CreditSceneBehaviour::Init() {
    wipe_ = Story::FindWipe();
    leaving = false;
}

void CreditSceneBehaviour::Update(float dt) {
    if (leaving || !Story::Opened(wipe_)) return;
    menu_.Poll(dt);
    if (!menu_.back) return;
    leaving = true;
    api::Play(kReturn);
    // Without a wipe this loads the title screen at once and this script is gone.
    Story::Leave(wipe_, kBack);
}
