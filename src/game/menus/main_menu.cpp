#include "game/menus/main_menu.h"

#include <algorithm>

#include "api/drawing.h"
#include "api/labels.h"
#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

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
// The co-op games (two or four players, the food court among their levels) have
// their own title; a line at the foot of this screen names its key.
const api::ObjectName kCoopHint{"CoopHint"};
const api::LevelKey kCoopTitle{"MainMenu"};
constexpr Engine::VirtualKey kCoopKey = 'C';
// Online play (two machines) has its own screen, named on the same line.
const api::LevelKey kOnlineScreen{"OnlineMenu"};
constexpr Engine::VirtualKey kOnlineKey = 'O';
constexpr int32_t kHintLayer = 6;

template <class Field>
std::vector<const char*> EntryColumn(Field field) {
    std::vector<const char*> column;
    for (const MainMenu::Entry& entry : MainMenu::kEntries) column.push_back(entry.*field);
    return column;
}
const api::NameList kEntryObjects{api::NameKind::Object, EntryColumn(&MainMenu::Entry::object)};
const api::NameList kEntryTextures{api::NameKind::Texture, EntryColumn(&MainMenu::Entry::selectedTexture)};
const api::NameList kEntryOtherTextures{api::NameKind::Texture, EntryColumn(&MainMenu::Entry::otherTexture)};
const api::NameList kEntryLevels{api::NameKind::LevelKey, EntryColumn(&MainMenu::Entry::leavesTo)};
}  // namespace

void MainMenu::Init() {
    wipe_ = MenuFlow::FindWipe();
    zora_ = api::Find(kZora);
    vidi_ = api::Find(kVidi);
    ribbon_ = api::Find(kRibbon);
    std::vector<api::ObjectRef> entries;
    for (const Entry& entry : kEntries) {
        entries.emplace_back(api::Find(entry.object));
        api::SetTexture(entries.back().Get(), entry.otherTexture);
    }
    selection_.Reset(std::move(entries), api::Find(kArrow));
    api::SetTexture(selection_.entry(0), kEntries[0].selectedTexture);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(ribbon_.Get())) animator->frameTime = 1.0f;
    if (Engine::GameObj* hint = api::Find(kCoopHint)) {
        api::SetFont(hint, "BerlinSans", 30);
        api::SetLabelLayer(hint, kHintLayer);
    }
    if (!api::IsPlaying(kMusic)) {
        api::Play(kMusic);
        api::SetParameter(kMusic, "Game_Start", 0.0f);
    }
}

int MainMenu::selected() const { return selection_.selected(); }

void MainMenu::Select(int index) {
    api::SetTexture(selection_.entry(selected()), kEntries[selected()].otherTexture);
    selection_.Select(index);
    api::SetTexture(selection_.entry(selected()), kEntries[selected()].selectedTexture);
}

void MainMenu::Sway(float dt) {
    const float amount = kSwayRate * dt * sway_.Step(dt);
    api::SetScale(zora_.Get(), api::Scale(zora_.Get()) + Engine::vec2{amount, amount});
    api::MoveBy(ribbon_.Get(), {0.0f, amount});
    api::SetScale(vidi_.Get(), api::Scale(vidi_.Get()) + Engine::vec2{amount, -amount});
}

void MainMenu::Update(float dt) {
    menu_.Poll(dt);
    Sway(dt);
    selection_.Step(dt);

    if (menu_.down || menu_.up) {
        const int target = selected() + (menu_.down ? 1 : -1);
        if (target >= 0 && target < static_cast<int>(kEntries.size())) Select(target);
        menu_.TakeMove();
        api::Play(kHover);
    }

    if (menu_.confirm) {
        // Without a wipe this loads the next level at once and this script is gone.
        api::Play(kClick);
        MenuFlow::LeaveTo(wipe_.Get(), kEntries[selected()].leavesTo);
        return;
    }
    // The co-op title and the Online screen each have a key and a pad button.
    const auto pressed = [this](Engine::VirtualKey key, int button) {
        return api::KeyTriggered(key) || std::any_of(menu_.pads.begin(), menu_.pads.end(),
                                                     [button](MenuPad& pad) { return pad.Triggered(button); });
    };
    const bool coop = pressed(kCoopKey, Engine::kButtonY);
    if (coop || pressed(kOnlineKey, Engine::kButtonX)) {
        api::Play(kClick);
        MenuFlow::LeaveTo(wipe_.Get(), coop ? kCoopTitle : kOnlineScreen);
    }
}
