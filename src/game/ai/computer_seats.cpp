#include "game/ai/computer_seats.h"

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"

namespace ai {

namespace {

Strength StrengthOf(Game::Seat seat) {
    if (seat == Game::Seat::ComputerEasy) return Strength::Easy;
    if (seat == Game::Seat::ComputerHard) return Strength::Hard;
    return Strength::Normal;
}

}  // namespace

void ComputerSeats::Think(Engine::ScriptedKeyStateSource& keys) {
    if (!hands_ || keys_ != &keys) {
        // Whatever an earlier thinker held is let go: these hands start empty.
        keys.ReleaseAll();
        hands_ = std::make_unique<KeyHands>(keys);
        keys_ = &keys;
        for (auto& player : players_) player.reset();
    }
    hands_->NextFrame();
    const std::string& level = api::CurrentLevelPath();
    if (level != level_) {
        level_ = level;
        for (auto& player : players_) player.reset();
    }
    const bool playing = levels::InPlayedLevel() && !api::Paused();
    for (int slot = 0; slot < 2; ++slot) {
        const Game::Seat seat = ownSeats_ ? (*ownSeats_)[slot] : Game::seats[slot];
        std::unique_ptr<ComputerPlayer>& player = players_[slot];
        if (!Game::IsComputer(seat)) {
            player.reset();
            continue;
        }
        if (!player || player->strength() != StrengthOf(seat))
            player = std::make_unique<ComputerPlayer>(*hands_, slot + 1, StrengthOf(seat), seed_);
    }
    if (!playing) {
        // Hands off: the menus and the pause menu read the same keys.
        hands_->ReleaseAll();
        return;
    }
    for (auto& player : players_)
        if (player) player->Think();
}

const ComputerPlayer* ComputerSeats::PlayerOf(int player) const {
    return player >= 1 && player <= 2 ? players_[player - 1].get() : nullptr;
}

ComputerSeats* InstalledSeats() { return dynamic_cast<ComputerSeats*>(api::ComputerThinker()); }

void InstallComputerSeats(unsigned seed) {
    if (!InstalledSeats()) api::SetComputerThinker(std::make_unique<ComputerSeats>(seed));
}

}  // namespace ai
