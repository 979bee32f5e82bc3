#pragma once
// Two hands on a scripted keyboard: the computer players' keys in the game, the
// harness's keyboard in tests (a menu driver pressing a person's keys). A tap
// holds a key for exactly one frame and lets go on the next, so the game sees
// it "triggered" once; a held key stays down until let go.

#include <set>

#include "api/controls.h"
#include "input/scripted_key_state_source.h"

namespace ai {

class KeyHands {
public:
    explicit KeyHands(Engine::ScriptedKeyStateSource& keys) : keys_(keys) {}

    // Call once before every frame: lets go of the keys tapped in the frame before.
    void NextFrame();
    // Presses `key` for this frame. A key tapped in the frame before is still
    // on its way up and is skipped (false): the game would not see a new press.
    bool Tap(Engine::VirtualKey key);
    // Holds `key` down (or lets it go) until told otherwise.
    void Hold(Engine::VirtualKey key, bool down);
    // Lets go of everything.
    void ReleaseAll();

private:
    Engine::ScriptedKeyStateSource& keys_;
    std::set<Engine::VirtualKey> tapped_;   // down for this frame only
    std::set<Engine::VirtualKey> rising_;   // let go this frame, not tappable yet
    std::set<Engine::VirtualKey> held_;
};

}  // namespace ai
