#include "game/online/online_screen.h"

#include <algorithm>

#include "api/controls.h"
#include "api/labels.h"
#include "api/online.h"
#include "api/stage.h"
#include "api/user_settings.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("OnlineScreen", OnlineScreen);

namespace {
const api::ArchetypeName kRowLabel{"HudLabel"};
const api::ObjectName kTitle{"OnlineTitle"};
const api::ObjectName kHint{"OnlineHint"};
const api::ObjectName kMessage{"OnlineMessage"};
const api::LevelKey kTitleScreen{"MainMenu_KR"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kReturn{"event:/Menu_Return"};

constexpr const char* kFont = "PassionOne";
constexpr int kRowSize = 30;
constexpr int32_t kRowLayer = 6;
constexpr float kRowLeft = -9.5f;
constexpr float kFirstRowY = 5.2f;
constexpr float kRowStep = 1.05f;
constexpr uint32_t kInk = 0xFF603020u;
constexpr uint32_t kChosen = 0xFF2828DCu;

// The keys that type an address: digits (both rows), letters, . - and : (either
// the ; key, with or without Shift).
char TypedCharacter() {
    using namespace Engine;
    for (char c = '0'; c <= '9'; ++c)
        if (api::KeyTriggered(static_cast<VirtualKey>(c)) || api::KeyTriggered(VK_NUMPAD0 + (c - '0'))) return c;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (api::KeyTriggered(static_cast<VirtualKey>(c))) return static_cast<char>(c - 'A' + 'a');
    if (api::KeyTriggered(VK_OEM_PERIOD) || api::KeyTriggered(VK_DECIMAL)) return '.';
    if (api::KeyTriggered(VK_OEM_MINUS)) return '-';
    if (api::KeyTriggered(VK_OEM_1)) return ':';
    return 0;
}

api::MenuKeys JoinKeys() {
    api::MenuKeys keys;
    keys.up = {Engine::VK_UP};
    keys.down = {Engine::VK_DOWN};
    keys.left = {};
    keys.right = {};
    keys.confirm = {Engine::VK_RETURN};
    keys.back = {Engine::VK_ESCAPE};
    return keys;
}
}  // namespace

void OnlineScreen::Init() {
    wipe_ = MenuFlow::FindWipe();
    joinMenu_ = api::MenuInput({1}, JoinKeys());
    for (const api::ObjectName* name : {&kTitle, &kHint, &kMessage}) {
        Engine::GameObj* line = api::Find(*name);
        api::SetFont(line, kFont, name == &kTitle ? 48 : 24);
        api::SetLabelLayer(line, kRowLayer);
    }
    hint_ = api::Find(kHint);
    message_ = api::Find(kMessage);
    for (int i = 0; i < kLineCount; ++i)
        lines_[i] = api::SpawnLabel(kRowLabel, kFont, kRowSize, {kRowLeft, kFirstRowY - kRowStep * i}, kInk, kRowLayer);
    hostPort = api::ChosenHostPort();
    inputDelay = api::ChosenInputDelay();
    recent = api::RecentAddresses();
    lastEnd = api::TakeOnlineEnd();
    Show();
}

void OnlineScreen::Update(float dt) {
    if (leaving_) return;
    if (step == Step::Join) {
        joinMenu_.Poll(dt);
        Join();
        return;
    }
    menu_.Poll(dt);
    if (step == Step::Choose)
        Choose();
    else
        Host();
}

void OnlineScreen::Choose() {
    if (menu_.back) return Back();
    if (menu_.up || menu_.down) return Move(menu_, selected, menu_.down ? 1 : -1, 0, kEntryCount - 1);
    if (selected == kDelay && (menu_.left || menu_.right))
        return Move(menu_, inputDelay, menu_.right ? 1 : -1, api::kLeastInputDelay, api::kMostInputDelay);
    if (!menu_.confirm) return;
    api::Play(kClick);
    switch (selected) {
        case kHost: step = Step::Host; break;
        case kJoin:
            step = Step::Join;
            selected = 0;
            break;
        case kDelay: return;
        default: return Back();
    }
    lastEnd.clear();
    Show();
}

void OnlineScreen::Host() {
    if (menu_.back) return Back();
    if (menu_.left || menu_.right || menu_.up || menu_.down) {
        // A D (pad left, right) step the port by one, W S (pad up, down) by a hundred.
        const int by = menu_.left ? -1 : menu_.right ? 1 : menu_.up ? 100 : -100;
        return Move(menu_, hostPort, by, api::kLowestOnlinePort, api::kHighestOnlinePort);
    }
    if (!menu_.confirm) return;
    api::Play(kClick);
    leaving_ = true;
    api::HostOnline(inputDelay, hostPort);
}

void OnlineScreen::Join() {
    if (joinMenu_.back) return Back();
    const int rows = 1 + static_cast<int>(recent.size());
    if (joinMenu_.up || joinMenu_.down) return Move(joinMenu_, selected, joinMenu_.down ? 1 : -1, 0, rows - 1);
    if (joinMenu_.confirm) {
        const std::string address = selected == 0 ? typed : recent[selected - 1];
        if (!api::JoinableAddress(address)) {
            lastEnd = "Type the host's address first, e.g. 192.168.1.20 or friend.example:5000.";
            Show();
            return;
        }
        api::Play(kClick);
        leaving_ = true;
        api::JoinOnline(address, inputDelay);
        return;
    }
    Type();
}

void OnlineScreen::Move(api::MenuInput& menu, int& value, int by, int lowest, int highest) {
    value = std::clamp(value + by, lowest, highest);
    menu.TakeMove();
    api::Play(kHover);
    // The port and the delay stay chosen for the next time (with the player's settings).
    api::KeepOnlineChoices(hostPort, inputDelay);
    Show();
}

void OnlineScreen::Type() {
    bool changed = false;
    if (api::KeyTriggered(Engine::VK_BACK) && !typed.empty()) {
        typed.pop_back();
        changed = true;
    } else if (const char c = TypedCharacter(); c && static_cast<int>(typed.size()) < kMaxTyped) {
        typed += c;
        changed = true;
    }
    if (!changed) return;
    selected = 0;  // typing goes to the typed line
    lastEnd.clear();
    Show();
}

void OnlineScreen::Back() {
    api::Play(kReturn);
    if (step == Step::Choose) {
        leaving_ = true;
        api::SaveSettings();
        MenuFlow::LeaveTo(wipe_.Get(), kTitleScreen);
        return;
    }
    selected = step == Step::Host ? kHost : kJoin;
    step = Step::Choose;
    lastEnd.clear();
    Show();
}

void OnlineScreen::SetLine(int index, const std::string& text, bool chosen) {
    Engine::GameObj* line = lines_[index].Get();
    api::SetText(line, text);
    api::SetTextColor(line, chosen ? kChosen : kInk);
}

void OnlineScreen::Show() {
    for (int i = 0; i < kLineCount; ++i) SetLine(i, "");
    const std::string port = std::to_string(api::OnlinePort());
    switch (step) {
        case Step::Choose: {
            SetLine(0, "Host a game", selected == kHost);
            SetLine(1, "Join a game", selected == kJoin);
            SetLine(2, "Input delay:  < " + std::to_string(inputDelay) + " frames >", selected == kDelay);
            SetLine(3, "Back", selected == kBack);
            const char* about[kEntryCount] = {
                "Wait for your friend to join this machine.",
                "Join a friend's game by its address.",
                "More frames hide a longer round trip; the host's choice holds.",
                "Back to the title.",
            };
            SetLine(5, about[selected]);
            api::SetText(hint_.Get(), "W S: choose      A D: input delay      F: go on      Escape: back");
            break;
        }
        case Step::Host: {
            const std::string chosenPort = std::to_string(hostPort);
            SetLine(0, "Give your friend this machine's address and port:");
            std::vector<std::string> addresses = api::HostAddresses();
            if (addresses.empty()) SetLine(1, "   (no network found: this machine's address and port " + chosenPort + ")");
            for (size_t i = 0; i < addresses.size() && i < 4; ++i)
                SetLine(1 + static_cast<int>(i), "   " + addresses[i] + ":" + chosenPort, true);
            SetLine(6, "Port:  < " + chosenPort + " >      Input delay " + std::to_string(inputDelay) + " frames.", true);
            SetLine(7, "The game opens and waits until your friend joins.");
            api::SetText(hint_.Get(),
                         "A D: port -1 +1    W S: +100 -100    F or pad A: open the game and wait    Escape or pad B: back");
            break;
        }
        case Step::Join: {
            SetLine(0, "Address:  " + typed + "_", selected == 0);
            SetLine(2, recent.empty() ? "No recent addresses yet." : "Recent:");
            for (size_t i = 0; i < recent.size(); ++i)
                SetLine(3 + static_cast<int>(i), "   " + recent[i], selected == 1 + static_cast<int>(i));
            api::SetText(hint_.Get(), "Type the address (port " + port +
                                          " unless given)      Up Down or pad: recent      Enter or pad A: join      "
                                          "Escape or pad B: back");
            break;
        }
    }
    api::SetText(message_.Get(), lastEnd);
}
