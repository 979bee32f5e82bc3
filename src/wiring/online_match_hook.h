#pragma once
// `tolvex --host PORT --level LEVEL`: both online games start straight in a
// level's match instead of at the title, and end at its result. Levels, birds
// and results belong to the game above this folder, which registers these
// calls from a static initialiser; the online run only calls them.

#include <string>

namespace Engine {

struct OnlineMatchCalls {
    // The level-path key of a level's name ("egg", "foodcourt", "runner", "boss",
    // or a key itself); empty for a name the game does not know.
    std::string (*levelKey)(const std::string& name) = nullptr;
    // Readies a fresh match after the boot frame, as the loading screen and the
    // selection screens would: textures and archetypes loaded, the birds and
    // seats of a match between two people, no result yet. The same on every machine.
    void (*prepareMatch)() = nullptr;
    // The result the level recorded ("player 1 won (Vozedoreroz)", "a draw (...)");
    // empty while the match runs.
    std::string (*matchResult)() = nullptr;

    bool Complete() const { return levelKey && prepareMatch && matchResult; }
};

// Returns true, so a registration can initialise a static.
bool RegisterOnlineMatch(const OnlineMatchCalls& calls);
// The registered calls; incomplete when the program has no game linked in.
const OnlineMatchCalls& RegisteredOnlineMatch();

}  // namespace Engine
