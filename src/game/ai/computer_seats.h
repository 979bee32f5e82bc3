#pragma once
// The computer players of a running game: one for each player slot the
// selection screens gave to the computer (Game::seats), thinking on the
// gameplay levels while the game is not paused and keeping their hands off the
// keys everywhere else (menus, the pause menu, the result screens), where the
// person's keys alone count. It is the input's thinker (input/computer_keys.h):
// it runs once a frame before the frame's keys are read, and under a replay it
// does not run at all.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "game/ai/computer_player.h"
#include "game/ai/key_hands.h"
#include "game/game_values.h"
#include "input/computer_keys.h"

namespace ai {

class ComputerSeats : public Engine::KeyThinker {
public:
    // `seed` starts the players' own random numbers.
    explicit ComputerSeats(unsigned seed = 1) : seed_(seed) {}
    // Seats of its own instead of the game's: an online machine's computer plays
    // that machine's seat, which the game both machines share knows nothing of.
    ComputerSeats(unsigned seed, const std::array<Game::Seat, 2>& seats) : seed_(seed), ownSeats_(seats) {}

    void Think(Engine::ScriptedKeyStateSource& keys) override;

    // The player thinking for slot `player` (1 or 2), or null.
    const ComputerPlayer* PlayerOf(int player) const;

private:
    unsigned seed_;
    std::optional<std::array<Game::Seat, 2>> ownSeats_;
    std::unique_ptr<KeyHands> hands_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
    // A new level starts the players afresh: nothing they saw before holds.
    std::string level_;
    // Slots 1 and 2 play birds; the co-op picker's slots 3 and 4 only choose.
    std::array<std::unique_ptr<ComputerPlayer>, 2> players_;
};

// Makes ComputerSeats the input's thinker unless it already is one; the game
// calls it from its first screens, a harness before it plays.
void InstallComputerSeats(unsigned seed = 1);
// The installed seats, or null.
ComputerSeats* InstalledSeats();

}  // namespace ai
