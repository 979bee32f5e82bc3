#include "game/menus/controls_screen.h"

#include <iostream>

#include "api/drawing.h"
#include "api/labels.h"
#include "api/stage.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("ControlsScreen", ControlsScreen);

namespace {
const api::ObjectName kHeadings[2] = {api::ObjectName{"P1Heading"}, api::ObjectName{"P2Heading"}};
const api::ObjectName kTitle{"ControlsTitle"};
const api::ObjectName kMessage{"ControlsMessage"};
const api::ObjectName kHint{"ControlsHint"};
const api::LevelKey kOptions{"OptionLevel"};
const api::SoundEvent kReturn{"event:/Menu_Return"};

constexpr const char* kFont = "PassionOne";
constexpr int kDefaultSize = 22;
constexpr int32_t kRowLayer = 6;

int LabelSize(const Engine::graphics::Label& label) {
    return label.font ? static_cast<int>(label.font->size) : kDefaultSize;
}
}  // namespace

void ControlsScreen::Init() {
    wipe_ = MenuFlow::FindWipe();
    // The level's own lines, in the menus' font at the sizes the level gives them.
    for (const api::ObjectName* name : {&kTitle, &kHeadings[0], &kHeadings[1], &kMessage, &kHint}) {
        Engine::GameObj* line = api::Find(*name);
        if (const Engine::graphics::Label* label = api::LabelOf(line)) api::SetFont(line, kFont, LabelSize(*label));
        api::SetLabelLayer(line, kRowLayer);
    }
    Engine::GameObj* p1 = api::Find(kHeadings[0]);
    Engine::GameObj* p2 = api::Find(kHeadings[1]);
    if (!p1 || !p2) std::cout << "ControlsScreen: the level has no player headings; the rows are left out" << std::endl;
    // Without a heading the rows would sit nowhere sensible: the page then only leaves.
    const std::array<Engine::vec2, 2> at = {p1 ? api::Position(p1) : Engine::vec2{}, p2 ? api::Position(p2) : Engine::vec2{}};
    editor.Build(at, kRowLayer, api::Find(kMessage), api::Find(kHint));
    if (!p1 || !p2) editor.Clear();
}

void ControlsScreen::Update(float dt) {
    if (leaving_) return;
    if (editor.Update(dt) == ControlsEditor::Outcome::kEditing) return;
    leaving_ = true;
    if (wipe_) api::Play(kReturn);
    MenuFlow::LeaveTo(wipe_.Get(), kOptions);
}
