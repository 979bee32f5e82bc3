#include "game/story/dialog_scene.h"

#include "api/labels.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/story/story_wipe.h"

REGISTER_SCRIPT("DialogScene", DialogScene);

const std::array<const char*, 4> DialogScene::kPortraits = {"MynaDialog", "ZuvaDialog", "ZoraDialog",
                                                            "VedavadDialog"};
const std::array<const char*, 4> DialogScene::kVoices = {"event:/Myna_Dialogue", "event:/Zuva_Dialogue",
                                                         "event:/Zora_Dialogue", "event:/Rure_Dialogue"};

namespace {
const api::ObjectName kBubble1{"P1Dialog"};
const api::ObjectName kBubble2{"P2Dialog"};
const api::ObjectName kPortrait1{"P1DialogChar"};
const api::ObjectName kPortrait2{"P2DialogChar"};
const api::ArchetypeName kLineLabel{"DialogLine"};
const char* const kFont = "PassionOne";

constexpr uint32_t kOpaque = 0xFFFFFFFF;
constexpr uint32_t kClear = 0x00000000;
const Engine::vec2 kOffScreen{-50.0f, -50.0f};

struct TableNames {
    TableNames() {
        for (const char* texture : DialogScene::kPortraits)
            api::DeclareName(api::NameKind::Texture, texture, __FILE__);
        for (const char* voice : DialogScene::kVoices) api::DeclareName(api::NameKind::SoundEvent, voice, __FILE__);
    }
} const kTableNames;

// The entry of the 1-based character number, or null outside 1..4.
const char* ByCharacter(const std::array<const char*, 4>& table, int32_t character) {
    return character >= 1 && character <= 4 ? table[static_cast<size_t>(character - 1)] : nullptr;
}
}  // namespace

void DialogScene::Init() {
    player1Line.clear();
    player2Line.clear();
    if (const levels::LevelRow* level = levels::Current(); level && level->openingLine1) {
        player1Line = level->openingLine1;
        player2Line = level->openingLine2 ? level->openingLine2 : "";
    }

    speakers_[0].bubble = api::Find(kBubble1);
    speakers_[1].bubble = api::Find(kBubble2);
    speakers_[0].portrait = api::Find(kPortrait1);
    speakers_[1].portrait = api::Find(kPortrait2);
    wipeObject_ = Story::FindWipe();

    const int32_t characters[2] = {Game::player1Character, Game::player2Character};
    const std::string* lines[2] = {&player1Line, &player2Line};
    const uint32_t colors[2] = {kPlayer1Color, kPlayer2Color};
    for (size_t i = 0; i < speakers_.size(); ++i) {
        Speaker& speaker = speakers_[i];
        api::SetColor(speaker.portrait.Get(), kClear);
        api::SetScale(speaker.bubble.Get(), {0.0f, 0.0f});
        speaker.label = api::Spawn(kLineLabel, kOffScreen.x, kOffScreen.y);
        if (Engine::GameObj* label = speaker.label.Get()) {
            api::SetFont(label, kFont, kLabelSize);
            api::SetLabelLayer(label, kLabelLayer);
            api::SetText(label, *lines[i]);
            api::SetTextColor(label, colors[i]);
        }
        if (const char* portrait = ByCharacter(kPortraits, characters[i]))
            api::SetTexture(speaker.portrait.Get(), portrait);
        speaker.voice = ByCharacter(kVoices, characters[i]);
        speaker.voicePlayed = false;
    }

    phase = Phase::Showing;
    holdTimer = 0.0f;
    delayTimer_ = 0.0f;
}

bool DialogScene::Grow(Speaker& speaker, float dt) {
    Engine::GameObj* bubble = speaker.bubble.Get();
    if (!speaker.voicePlayed) {
        if (speaker.voice) api::Play(speaker.voice);
        speaker.voicePlayed = true;
    }
    // Without its bubble the speaker has nothing to grow: its turn is over at once.
    if (!bubble) return true;
    Engine::vec2 scale = api::Scale(bubble);
    if (scale.x < kFullWidth) scale.x += kGrowX * dt;
    if (scale.y < kFullHeight) scale.y += kGrowY * dt;
    api::SetScale(bubble, scale);
    if (scale.x < kFullWidth || scale.y < kFullHeight) return false;

    api::SetColor(speaker.portrait.Get(), kOpaque);
    const Engine::vec2 centre = api::Position(bubble);
    api::SetPosition(speaker.label.Get(), {centre.x - scale.x * kLabelInset, centre.y + kLabelRaise});
    return true;
}

bool DialogScene::Shrink(Speaker& speaker, float dt) {
    api::SetColor(speaker.portrait.Get(), kClear);
    api::SetPosition(speaker.label.Get(), kOffScreen);
    Engine::GameObj* bubble = speaker.bubble.Get();
    if (!bubble) return true;
    Engine::vec2 scale = api::Scale(bubble);
    if (scale.x > 0.0f) scale.x -= kShrinkX * dt;
    if (scale.y > 0.0f) scale.y -= kShrinkY * dt;
    if (scale.x <= 0.0f && scale.y <= 0.0f) scale = {0.0f, 0.0f};
    api::SetScale(bubble, scale);
    return scale.x <= 0.0f && scale.y <= 0.0f;
}

void DialogScene::Update(float dt) {
    if (!active || !Story::Opened(wipeObject_)) return;

    if (phase == Phase::Showing) {
        if (delayTimer_ < delay) {
            delayTimer_ += dt;
            return;
        }
        if (!Grow(speakers_[0], dt)) return;
        if (!Grow(speakers_[1], dt)) return;
        holdTimer += dt;
        if (holdTimer > holdTime) {
            phase = Phase::Hiding;
            holdTimer = 0.0f;
        }
        return;
    }

    for (Speaker& speaker : speakers_) Shrink(speaker, dt);
}
