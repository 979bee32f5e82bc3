#include "wiring/online_status.h"

#include "graphics/screen_notes.h"
#include "net/lockstep_session.h"

namespace Engine {

namespace {

std::string RoundTrip(const net::LockstepSession& session) {
    return "Online: round trip " + std::to_string(static_cast<int>(session.RoundTripMs() + 0.5)) + " ms";
}

}  // namespace

void OnlineStatus::Update(const net::LockstepSession& session, bool ran, graphics::ScreenNotes& notes) {
    using graphics::ScreenNotes;
    if (session.State() == net::SessionState::Connecting) {
        notes.Set(ScreenNotes::kReadout, hosting_ ? "Escape or pad B: stop hosting" : "Escape or pad B: stop joining");
        notes.Set(ScreenNotes::kBanner, hosting_ ? "Waiting for your friend on port " + std::to_string(port_)
                                                 : std::string("Connecting to your friend..."));
        return;
    }
    if (session.Ended()) {
        notes.Set(ScreenNotes::kReadout, "");
        notes.Set(ScreenNotes::kBanner, "");
        return;
    }
    waitingTurns_ = ran || !session.Waiting() ? 0 : waitingTurns_ + 1;
    notes.Set(ScreenNotes::kReadout, RoundTrip(session));
    notes.Set(ScreenNotes::kBanner, waitingTurns_ >= kTurnsBeforeMark ? kStallMark : "");
}

std::string OnlineStatus::Title(const net::LockstepSession& session) const {
    if (session.State() == net::SessionState::Connecting)
        return hosting_ ? "Tolvex online - waiting for your friend on port " + std::to_string(port_)
                        : "Tolvex online - connecting";
    return "Tolvex online - round trip " + std::to_string(static_cast<int>(session.RoundTripMs() + 0.5)) + " ms" +
           (waitingTurns_ >= kTurnsBeforeMark ? " - waiting for the other player" : "");
}

}  // namespace Engine
