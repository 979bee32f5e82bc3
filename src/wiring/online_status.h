#pragma once
// What this machine shows of an online session: a small readout of the round
// trip at the foot of the picture, and the stall mark across it while the
// lockstep waits for the other player's input (or for the friend to come).
// Both are this machine's own news: they go into the graphics system's screen
// notes (and the window's title), never into the game both machines share.

#include <string>

namespace Engine {

namespace graphics {
class ScreenNotes;
}
namespace net {
class LockstepSession;
}

class OnlineStatus {
public:
    static constexpr const char* kStallMark = "Waiting for the other player...";
    // A wait shorter than this many turns is a hiccup, not a stall worth a mark.
    static constexpr int kTurnsBeforeMark = 3;

    OnlineStatus(bool hosting, int port) : hosting_(hosting), port_(port) {}

    // After each turn of the online loop: `ran` tells whether a frame ran.
    // Writes the readout and the stall mark into `notes`.
    void Update(const net::LockstepSession& session, bool ran, graphics::ScreenNotes& notes);
    // The window title's line for the same news.
    std::string Title(const net::LockstepSession& session) const;

private:
    bool hosting_;
    int port_;
    int waitingTurns_ = 0;
};

}  // namespace Engine
