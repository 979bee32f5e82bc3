#include "game/menus/control_prompts.h"

#include <string>

#include "api/stage.h"

namespace ControlPrompts {

using Engine::Action;

namespace {
const api::ArchetypeName kLabelArchetype{"HudLabel"};
constexpr const char* kFont = "PassionOne";
}  // namespace

std::string Names(int player, std::initializer_list<Action> actions) {
    std::string names;
    for (Action action : actions) {
        if (!names.empty()) names += ' ';
        names += api::ControlName(player, action);
    }
    return names;
}

std::string Line(Screen screen) {
    constexpr const char* kGap = "      ";
    switch (screen) {
    case Screen::kLevelSelection:
        return Names(1, {Action::kMenuLeft, Action::kMenuRight}) + ": choose" + kGap +
               Names(1, {Action::kMenuConfirm}) + ": play" + kGap + Names(1, {Action::kSkill}) + ": info" + kGap +
               Names(1, {Action::kMenuBack}) + ": back";
    case Screen::kMatchPlayer1:
    case Screen::kMatchPlayer2: {
        const int player = screen == Screen::kMatchPlayer1 ? 1 : 2;
        constexpr const char* kSpace = "   ";
        return "P" + std::to_string(player) + ":  " + Names(player, {Action::kFlap}) + " flap" + kSpace +
               Names(player, {Action::kWalkLeft, Action::kWalkRight}) + " walk" + kSpace +
               Names(player, {Action::kPeck}) + " peck" + kSpace + Names(player, {Action::kDung}) + " dung";
    }
    case Screen::kPauseMenu:
        return Names(1, {Action::kMenuUp, Action::kMenuDown}) + ": choose" + kGap +
               Names(1, {Action::kMenuConfirm}) + ": confirm" + kGap + Names(1, {Action::kMenuBack}) + ": resume";
    case Screen::kHowToPlay:
        return Names(1, {Action::kMenuLeft, Action::kMenuRight}) + ": turn the page" + kGap +
               Names(1, {Action::kMenuBack}) + ": back";
    }
    return {};
}

Engine::GameObj* SpawnLabel(int32_t layer, Engine::vec2 at, int size, uint32_t packedColor) {
    return api::SpawnLabel(kLabelArchetype, kFont, size, at, packedColor, layer);
}

void HintLabel::Attach(Engine::GameObj* label, Screen screen) {
    label_ = label;
    screen_ = screen;
    shown_.clear();
    Refresh();
}

void HintLabel::Spawn(Screen screen, int32_t layer, Engine::vec2 at) {
    Attach(SpawnLabel(layer, at), screen);
}

void HintLabel::Show(Screen screen) {
    screen_ = screen;
    Refresh();
}

void HintLabel::Hide() {
    if (shown_.empty()) return;
    api::SetText(label_.Get(), "");
    shown_.clear();
}

void HintLabel::Refresh() {
    Engine::GameObj* label = label_.Get();
    if (!label) return;
    std::string line = Line(screen_);
    if (line == shown_) return;
    api::SetText(label, line);
    shown_ = std::move(line);
}

}  // namespace ControlPrompts
