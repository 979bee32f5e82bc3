#pragma once
// One player's input for one frame, as it travels between the two machines: a
// set of actions rather than raw keys, so the other machine can press them with
// whichever keys drive that player there. 32 bits leave room for new actions.

#include <cstdint>

namespace Engine::net {

enum class Action : uint8_t {
    Left,
    Right,
    Flap,
    Peck,
    Dung,
    Skill,
    Ultimate,
    MenuUp,
    MenuDown,
    MenuLeft,
    MenuRight,
    Confirm,
    Back,
    Pause,
    Count
};

struct PlayerActions {
    uint32_t bits = 0;

    bool Has(Action action) const { return (bits >> static_cast<unsigned>(action)) & 1u; }
    void Set(Action action, bool down = true) {
        const uint32_t mask = 1u << static_cast<unsigned>(action);
        bits = down ? (bits | mask) : (bits & ~mask);
    }
    bool operator==(const PlayerActions& o) const { return bits == o.bits; }
    bool operator!=(const PlayerActions& o) const { return bits != o.bits; }
};

}  // namespace Engine::net
