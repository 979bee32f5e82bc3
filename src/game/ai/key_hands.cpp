#include "game/ai/key_hands.h"

namespace ai {

void KeyHands::NextFrame() {
    rising_.clear();
    for (Engine::VirtualKey key : tapped_) {
        if (!held_.count(key)) keys_.Release(key);
        rising_.insert(key);
    }
    tapped_.clear();
}

bool KeyHands::Tap(Engine::VirtualKey key) {
    if (rising_.count(key) || tapped_.count(key) || held_.count(key)) return false;
    keys_.Press(key);
    tapped_.insert(key);
    return true;
}

void KeyHands::Hold(Engine::VirtualKey key, bool down) {
    if (down) {
        held_.insert(key);
        keys_.Press(key);
    } else {
        // Let go even of a key these hands did not press (one left down before them).
        held_.erase(key);
        if (!tapped_.count(key)) keys_.Release(key);
    }
}

void KeyHands::ReleaseAll() {
    keys_.ReleaseAll();
    tapped_.clear();
    rising_.clear();
    held_.clear();
}

}  // namespace ai
