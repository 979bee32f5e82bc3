#include "game/pause/pause_controls_overlay.h"

#include "api/labels.h"
#include "api/stage.h"

namespace {
const api::ArchetypeName kBackdropArchetype{"PauseHTPBackground"};
const api::ArchetypeName kBoardArchetype{"MenuPanel"};
const api::ArchetypeName kLabelArchetype{"HudLabel"};
constexpr const char* kFont = "PassionOne";

// The paused view is the menus' view (the camera is reset while paused), so the
// page's lines sit where the Controls screen places them.
struct LineLook {
    Engine::vec2 at;
    int size;
    uint32_t colour;  // R, G, B, A from the least significant byte
    const char* text;
};
const LineLook kLines[] = {
    {{-1.4f, 8.05f}, 44, 0xFFFFFFFFu, "Controls"},
    {{-12.8f, 6.3f}, 30, 0xFF2828C8u, "Player 1"},
    {{2.5f, 6.3f}, 30, 0xFFC8501Eu, "Player 2"},
    {{-12.8f, -5.55f}, 22, 0xFF005AC8u, ""},
    {{-13.0f, -7.5f}, 20, 0xFFFFFFFFu, ""},
};
const Engine::vec2 kBoardAt{0.0f, -0.25f};
const Engine::vec2 kBoardSize{31.2f, 14.5f};
const Engine::vec2 kScreen{32.0f, 18.0f};
// The match stays faintly visible behind the page.
constexpr uint32_t kDimBlack = 0xD8000000u;
constexpr uint32_t kInvisible = 0x00000000u;
}  // namespace

void PauseControlsOverlay::Open(int32_t backdropLayer, int32_t layer) {
    if (open_) return;
    Engine::GameObj* backdrop = api::Spawn(kBackdropArchetype, 0.0f, 0.0f);
    api::SetColor(backdrop, kDimBlack);
    api::SetScale(backdrop, kScreen);
    api::SetPosition(backdrop, {0.0f, 0.0f});
    api::SetLayer(backdrop, backdropLayer);
    backdrop_ = backdrop;
    Engine::GameObj* board = api::Spawn(kBoardArchetype, kBoardAt.x, kBoardAt.y);
    api::SetScale(board, kBoardSize);
    api::SetPosition(board, kBoardAt);
    api::SetLayer(board, backdropLayer);
    board_ = board;
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = api::SpawnLabel(kLabelArchetype, kFont, kLines[i].size, kLines[i].at, kLines[i].colour, layer);
        api::SetText(lines_[i].Get(), kLines[i].text);
    }
    editor.Build({kLines[kHeading1].at, kLines[kHeading2].at}, layer, lines_[kMessage].Get(), lines_[kHint].Get());
    // The new layers may not be sorted in yet.
    api::SortLayers();
    open_ = true;
}

ControlsEditor::Outcome PauseControlsOverlay::Update(float dt) {
    if (!open_) return ControlsEditor::Outcome::kCancelled;
    const ControlsEditor::Outcome outcome = editor.Update(dt);
    if (outcome != ControlsEditor::Outcome::kEditing) Close();
    return outcome;
}

void PauseControlsOverlay::Close() {
    if (!open_) return;
    editor.Clear();
    for (api::ObjectRef& line : lines_) {
        api::SetText(line.Get(), "");
        api::Destroy(line.Get());
        line.Reset();
    }
    for (api::ObjectRef* sprite : {&backdrop_, &board_}) {
        // Out of sight at once: the release waits for the end of the physics step.
        api::SetColor(sprite->Get(), kInvisible);
        api::Destroy(sprite->Get());
        sprite->Reset();
    }
    open_ = false;
}
