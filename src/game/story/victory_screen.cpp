#include "game/story/victory_screen.h"

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/transition.h"
#include "game/story/story_wipe.h"

REGISTER_SCRIPT("VictoryScreen", VictoryScreen);

namespace {
const api::ObjectName kMask{"BlackMask"};
const api::TextureName kPlayer1Sheet{"Player1WinScene"};
const api::TextureName kPlayer2Sheet{"Player2WinScene"};
const api::TextureName kDrawSheet{"GameDrawScene"};
const api::LevelKey kEndStoryboard{"CutScene"};
}  // namespace

const char* VictoryScreen::SheetFor(const std::string& winnerTag) {
    if (winnerTag == "P1") return kPlayer1Sheet;
    if (winnerTag == "P2") return kPlayer2Sheet;
    return kDrawSheet;
}

void VictoryScreen::Init() {
    mask_ = api::Find(kMask);
    wipe_ = Story::FindWipe();
    ledOn = false;
    shown_ = false;
}

void VictoryScreen::Update(float dt) {
    pad1_.Poll(dt);
    pad2_.Poll(dt);
    if (!Game::matchResultReady) return;
    if (!mask_) mask_ = api::Find(kMask);
    api::SetPosition(owner, {0.0f, 0.0f});
    api::SetPosition(mask_.Get(), {0.0f, 0.0f});
    api::SetColor(owner, kOpaque);
    api::SetTexture(owner, SheetFor(Game::winnerTag));
    if (!shown_) {
        // Objects spawned during the match (the birds' markers, the egg's bar)
        // were added at the end of the draw list; in layer order the sheet
        // covers them.
        api::SortLayers();
        shown_ = true;
    }
    const bool next = api::KeyTriggered(Engine::VK_RETURN) || pad1_.Triggered(Engine::kButtonStart) ||
                      pad2_.Triggered(Engine::kButtonStart);
    if (next && !ledOn) LeadOn();
}

void VictoryScreen::LeadOn() {
    ledOn = true;
    api::SetTimeScale(1.0f);
    // The match may already be on its way out (its music ended first).
    if (const Transition* wipe = Story::WipeOf(wipe_); wipe && wipe->leaving) return;
    Story::Leave(wipe_, kEndStoryboard);
}
