// The computer player of `tolvex --host/--join ... --computer STRENGTH`.

#include <memory>

#include "game/ai/computer_seats.h"
#include "game/ai/simulation.h"
#include "wiring/online_computer_hook.h"

namespace ai {

namespace {

std::unique_ptr<Engine::KeyThinker> MakeOnlineComputer(int player, const std::string& strength, unsigned seed) {
    Game::Seat seat = Game::Seat::Person;
    if (player < 1 || player > 2 || strength == "idle" || !ParseSeat(strength, seat)) return nullptr;
    std::array<Game::Seat, 2> seats = {Game::Seat::Person, Game::Seat::Person};
    seats[static_cast<size_t>(player - 1)] = seat;
    return std::make_unique<ComputerSeats>(seed, seats);
}

const bool kRegistered = Engine::RegisterOnlineComputer(&MakeOnlineComputer);

}  // namespace

}  // namespace ai
