#include "game/story/victory_screen.h"

#include "api/script_api.h"
#include "game/game_values.h"

REGISTER_SCRIPT("VictoryScreen", VictoryScreen);

namespace {
const api::ObjectName kMask{"BlackMask"};
const api::TextureName kPlayer1Sheet{"Player1WinScene"};
const api::TextureName kPlayer2Sheet{"Player2WinScene"};
const api::TextureName kDrawSheet{"GameDrawScene"};
const api::LevelKey kMenu{"MainMenu"};
}  // namespace

const char* VictoryScreen::SheetFor(const std::string& winnerTag) {
    if (winnerTag == "P1") return kPlayer1Sheet;
    if (winnerTag == "P2") return kPlayer2Sheet;
    return kDrawSheet;
}

void VictoryScreen::Init() { mask_ = api::Find(kMask); }

void VictoryScreen::Update(float) {
    if (!Game::matchResultReady) return;
    if (!mask_) mask_ = api::Find(kMask);
    api::SetPosition(owner, {0.0f, 0.0f});
    api::SetPosition(mask_.Get(), {0.0f, 0.0f});
    api::SetColor(owner, kOpaque);
    api::SetTexture(owner, SheetFor(Game::winnerTag));
    if (api::KeyTriggered(Engine::VK_RETURN)) {
        api::SetTimeScale(1.0f);
        api::LoadLevel(kMenu);
    }
}
