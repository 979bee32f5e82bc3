#include "game/story/winning_scene_logic.h"

#include "api/drawing.h"
#include "api/labels.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "game/story/story_wipe.h"

REGISTER_SCRIPT("WinningSceneLogic", WinningSceneLogic);

const std::array<WinningSceneLogic::Victory, 4> WinningSceneLogic::kVictories = {{
    {"Myna_Victory", "event:/Myna_Victory"},
    {"Zuva_Victory", "event:/Zuva_Victory"},
    {"Zora_Victory", "event:/Zora_Victory"},
    {"Doruzuvo_Victory", "event:/Rure_Victory"},
}};

const api::LevelKey WinningSceneLogic::kPlayer1Scene{"Player1WinningScene"};
const api::LevelKey WinningSceneLogic::kPlayer2Scene{"Player2WinningScene"};

namespace {
const api::ObjectName kBird{"PlayerObj"};
const api::SoundEvent kWinMusic{"event:/Victory_Screen"};
const api::SoundEvent kDrawMusic{"event:/Draw_Screen"};
const api::SoundEvent kStunned{"event:/Player_Stunned"};
const api::LevelKey kBack{"MainMenu_KR"};
const api::ArchetypeName kSeatLabel{"SeatLabel"};

struct TableNames {
    TableNames() {
        for (const auto& victory : WinningSceneLogic::kVictories) {
            api::DeclareName(api::NameKind::Texture, victory.texture, __FILE__);
            api::DeclareName(api::NameKind::SoundEvent, victory.voice, __FILE__);
        }
    }
} const kTableNames;

// Player 1's confirm key and the comma key confirm; A on either pad confirms when it comes up.
api::MenuKeys ConfirmKeys() {
    api::MenuKeys keys;
    keys.confirm = {api::MenuKeys::MenuKey(1, Engine::Action::kMenuConfirm), Engine::VK_OEM_COMMA};
    keys.back.clear();
    return keys;
}
}  // namespace

int32_t WinningSceneLogic::WinningSlot() {
    if (api::InLevelOfKey(kPlayer1Scene)) return 1;
    if (api::InLevelOfKey(kPlayer2Scene)) return 2;
    return 0;
}

const WinningSceneLogic::Victory* WinningSceneLogic::VictoryOf(int32_t character) {
    return character >= 1 && character <= 4 ? &kVictories[static_cast<size_t>(character - 1)] : nullptr;
}

std::string WinningSceneLogic::ComputerLine(int32_t winnerSlot) {
    if (winnerSlot != 1 && winnerSlot != 2) return "";
    const Game::Seat winner = Game::seats[static_cast<size_t>(winnerSlot - 1)];
    const Game::Seat loser = Game::seats[static_cast<size_t>(2 - winnerSlot)];
    if (Game::IsComputer(winner)) return std::string(Game::SeatLabel(winner)) + " wins";
    if (Game::IsComputer(loser))
        return "Player " + std::to_string(winnerSlot) + " beats " + Game::SeatLabel(loser);
    return "";
}

void WinningSceneLogic::Init() {
    bird_ = api::Find(kBird);
    wipe_ = Story::FindWipe();
    menu_ = api::MenuInput({1, 2}, ConfirmKeys(), true);

    const int32_t slot = WinningSlot();
    winner = slot == 1 ? Game::player1Character : slot == 2 ? Game::player2Character : 0;
    api::Play(winner ? kWinMusic : kDrawMusic);

    if (Engine::GameObj* bird = bird_.Get()) {
        if (const Victory* victory = VictoryOf(winner)) api::SetTexture(bird, victory->texture);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(bird)) animator->frameTime = kFrameTime;
        if (Engine::graphics::Renderable2D* sprite = bird->GetSprite()) sprite->SetFrame(kFirstFrame, kLastFrame);
    }
    if (api::IsPlaying(kStunned)) api::Stop(kStunned);
    const std::string line = ComputerLine(slot);
    if (!line.empty()) {
        computerLine_ = api::Spawn(kSeatLabel, -4.5f, -7.6f);
        api::SetText(computerLine_.Get(), line);
        api::SetFont(computerLine_.Get(), "BerlinSans", 36);
        api::SetLabelLayer(computerLine_.Get(), 6);
        api::SetTextColor(computerLine_.Get(), 0xFFFFFFFFu);
    }

    timer = 0.0f;
    voicePlayed = false;
    leaving = false;
}

void WinningSceneLogic::Update(float dt) {
    if (leaving || !Story::Opened(wipe_)) return;
    timer += dt;
    if (timer <= kQuietSeconds) return;

    menu_.Poll(dt);
    if (!voicePlayed) {
        if (const Victory* victory = VictoryOf(winner)) api::Play(victory->voice);
        voicePlayed = true;
    }
    if (!menu_.confirm) return;
    leaving = true;
    api::Stop(kWinMusic);
    api::Stop(kDrawMusic);
    Story::Leave(wipe_, kBack);
}
