#pragma once
// A menu's directions for this frame: up, down, left, right, confirm and back,
// gathered once per update from the menu keys and any number of pads (the menu
// controls each pad's player bound, and the held-stick repeat of MenuPad). Down wins over up and left over
// right when both come in one frame, so a menu moves one step at a time.
//
//   api::MenuInput menu_{{1, 2}};     // pads of players 1 and 2, default keys
//   menu_.Poll(dt);
//   if (menu_.down) { Select(selected + 1); menu_.TakeMove(); }

#include <initializer_list>
#include <vector>

#include "api/menu_pad.h"
#include "input/action_map.h"
#include "input/virtual_keys.h"

namespace api {

// The keys as bound when the menu is made (menus are made with their level, so
// a rebinding reaches the next screen): player 1's menu keys, and both players'
// left and right.
struct MenuKeys {
    std::vector<Engine::VirtualKey> up{MenuKey(1, Engine::Action::kMenuUp)};
    std::vector<Engine::VirtualKey> down{MenuKey(1, Engine::Action::kMenuDown)};
    std::vector<Engine::VirtualKey> left{MenuKey(1, Engine::Action::kMenuLeft), MenuKey(2, Engine::Action::kMenuLeft)};
    std::vector<Engine::VirtualKey> right{MenuKey(1, Engine::Action::kMenuRight),
                                          MenuKey(2, Engine::Action::kMenuRight)};
    std::vector<Engine::VirtualKey> confirm{MenuKey(1, Engine::Action::kMenuConfirm)};
    std::vector<Engine::VirtualKey> back{MenuKey(1, Engine::Action::kMenuBack)};

    // The key player N bound to a menu action.
    static Engine::VirtualKey MenuKey(int player, Engine::Action action);
    // Only player N's own menu keys.
    static MenuKeys OfPlayer(int player);
};

class MenuInput {
public:
    // Button A confirms when it goes down, or (confirmOnRelease) when it comes up.
    explicit MenuInput(std::vector<int> players = {1}, MenuKeys keys = {}, bool confirmOnRelease = false);

    // Reads the keys and pads for this frame; call once at the start of an update.
    void Poll(float dt);
    // A move was handled: clears the stick requests and restarts their wait.
    void TakeMove();

    // Which pad (index into the players given) brought this frame's confirm, or -1 for a key.
    int confirmedBy = -1;
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool confirm = false;
    bool back = false;

    std::vector<MenuPad> pads;
    MenuKeys keys;

private:
    bool confirmOnRelease_;
};

}  // namespace api
