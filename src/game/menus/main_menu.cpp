#include "game/menus/main_menu.h"

#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "graphics/animator.h"

REGISTER_SCRIPT("MainMenu", MainMenu);

const std::array<MainMenu::Entry, 6> MainMenu::kEntries = {{
    {"Play", "MenuPlay_Red", "MenuPlay_Blue", "BirdSelectionScreen"},
    {"Practice", "Menu_Practice_Red", "Menu_Practice_Blue", "PRBirdSelectionScreen"},
    {"HowToPlay", "MenuHowToPlay_Red", "MenuHowToPlay_Blue", "HowToPlay"},
    {"Option", "MenuOption_Red", "MenuOption_Blue", "OptionLevel"},
    {"Credits", "MenuCredit_Red", "MenuCredit_Blue", "CreditsLevel"},
    {"Quit", "MenuQuit_Red", "MenuQuit_Blue", "CSelection"},
}};

namespace {
const api::SoundEvent kMusic{"event:/Menu_BGM"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::ObjectName kZora{"Zora"};
const api::ObjectName kVidi{"Vidi"};
const api::ObjectName kRibbon{"BGRibbon"};
const api::ObjectName kArrow{"Arrow"};

// Files every entry's names in the tables the content checks walk.
struct EntryNames {
    EntryNames() {
        for (const MainMenu::Entry& entry : MainMenu::kEntries) {
            api::DeclareName(api::NameKind::Object, entry.object, __FILE__);
            api::DeclareName(api::NameKind::Texture, entry.selectedTexture, __FILE__);
            api::DeclareName(api::NameKind::Texture, entry.otherTexture, __FILE__);
            api::DeclareName(api::NameKind::LevelKey, entry.leavesTo, __FILE__);
        }
    }
} const kEntryNames;
}  // namespace

void MainMenu::Init() {
    wipe_ = MenuFlow::FindWipe();
    zora_ = api::Find(kZora);
    vidi_ = api::Find(kVidi);
    ribbon_ = api::Find(kRibbon);
    arrow_ = api::Find(kArrow);
    for (size_t i = 0; i < kEntries.size(); ++i) {
        entries_[i] = api::Find(kEntries[i].object);
        api::SetTexture(entries_[i].Get(), kEntries[i].otherTexture);
    }
    arrowX_ = api::Position(arrow_.Get()).x;

    selected = 0;
    if (Engine::GameObj* play = entries_[0].Get()) {
        selectedPosition_ = api::Position(play);
        selectedScale_ = api::Scale(play);
        api::SetTexture(play, kEntries[0].selectedTexture);
    }
    if (Engine::graphics::Animator* animator = api::AnimatorOf(ribbon_.Get())) animator->frameTime = 1.0f;
    if (!api::IsPlaying(kMusic)) {
        api::Play(kMusic);
        api::SetParameter(kMusic, "Game_Start", 0.0f);
    }
}

void MainMenu::Select(int index) {
    if (Engine::GameObj* previous = entries_[selected].Get()) {
        api::SetPosition(previous, selectedPosition_);
        api::SetScale(previous, selectedScale_);
        api::SetTexture(previous, kEntries[selected].otherTexture);
    }
    if (selected == 0 && index == 1 && arrow_) api::SetPosition(arrow_.Get(), {arrowX_, api::Position(arrow_.Get()).y});
    selected = index;
    if (Engine::GameObj* next = entries_[selected].Get()) {
        selectedPosition_ = api::Position(next);
        selectedScale_ = api::Scale(next);
        api::SetTexture(next, kEntries[selected].selectedTexture);
        if (arrow_) api::SetPosition(arrow_.Get(), {api::Position(arrow_.Get()).x, selectedPosition_.y});
    }
    pulse_.Restart();
}

void MainMenu::Sway(float dt) {
    const float amount = kSwayRate * dt * sway_.Step(dt);
    api::SetScale(zora_.Get(), api::Scale(zora_.Get()) + Engine::vec2{amount, amount});
    api::MoveBy(ribbon_.Get(), {0.0f, amount});
    api::SetScale(vidi_.Get(), api::Scale(vidi_.Get()) + Engine::vec2{amount, -amount});
}

void MainMenu::Pulse(float dt) {
    Engine::GameObj* entry = entries_[selected].Get();
    if (!entry) return;
    const float direction = pulse_.Step(dt);
    api::SetScale(entry, api::Scale(entry) + Engine::vec2{kPulseRateX * dt * direction, kPulseRateY * dt * direction});
}

void MainMenu::Update(float dt) {
    menu_.Poll(dt);
    Sway(dt);
    Pulse(dt);

    if (menu_.down || menu_.up) {
        const int last = static_cast<int>(kEntries.size()) - 1;
        const int target = menu_.down ? (selected < last ? selected + 1 : last) : (selected > 0 ? selected - 1 : 0);
        if (target != selected) Select(target);
        menu_.TakeMove();
        api::Play(kHover);
    }

    if (menu_.confirm) {
        // Without a wipe this loads the next level at once and this script is gone.
        api::Play(kClick);
        MenuFlow::LeaveTo(wipe_, kEntries[selected].leavesTo);
    }
}
