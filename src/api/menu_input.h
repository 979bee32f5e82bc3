#pragma once
// A menu's directions for this frame: up, down, left, right, confirm and back,
// gathered once per update from the menu keys and any number of pads (d-pad,
// buttons and the held-stick repeat of MenuPad). Down wins over up and left over
// right when both come in one frame, so a menu moves one step at a time.
//
//   api::MenuInput menu_{{1, 2}};     // pads of players 1 and 2, default keys
//   menu_.Poll(dt);
//   if (menu_.down) { Select(selected + 1); menu_.TakeMove(); }

#include <initializer_list>
#include <vector>

#include "api/menu_pad.h"
#include "input/virtual_keys.h"

namespace api {

struct MenuKeys {
    std::vector<Engine::VirtualKey> up{Engine::VirtualKey('W')};
    std::vector<Engine::VirtualKey> down{Engine::VirtualKey('S')};
    std::vector<Engine::VirtualKey> left{Engine::VirtualKey('A'), Engine::VK_LEFT};
    std::vector<Engine::VirtualKey> right{Engine::VirtualKey('D'), Engine::VK_RIGHT};
    std::vector<Engine::VirtualKey> confirm{Engine::VirtualKey('F')};
    std::vector<Engine::VirtualKey> back{Engine::VK_ESCAPE};
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
