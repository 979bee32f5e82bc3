#include "game/game_values.h"

#include "game/game_values_hash.h"

namespace Game {

int32_t player1Character = 3;
int32_t player2Character = 1;
int32_t chosenLevel = 1;
int32_t coopPlayerCount = 2;
std::array<int32_t, 4> coopBirdChoices{};
std::array<Engine::graphics::Texture*, 4> coopTextureChoices{};

std::array<Seat, 4> seats{};

bool IsComputer(Seat seat) { return seat != Seat::Person; }

const char* SeatLabel(Seat seat) {
    switch (seat) {
        case Seat::ComputerEasy: return "Computer (easy)";
        case Seat::ComputerNormal: return "Computer (normal)";
        case Seat::ComputerHard: return "Computer (hard)";
        case Seat::Person: break;
    }
    return "Player";
}

Seat NextSeat(Seat seat) {
    switch (seat) {
        case Seat::Person: return Seat::ComputerEasy;
        case Seat::ComputerEasy: return Seat::ComputerNormal;
        case Seat::ComputerNormal: return Seat::ComputerHard;
        case Seat::ComputerHard: break;
    }
    return Seat::Person;
}

bool matchResultReady = false;
std::string winnerTag;
std::string winnerName;
std::string matchModeName;
std::string matchLevelKey;


void ResetValues() {
    player1Character = 3;
    player2Character = 1;
    chosenLevel = 1;
    coopPlayerCount = 2;
    coopBirdChoices = {};
    coopTextureChoices = {};
    seats = {};
    matchResultReady = false;
    winnerTag.clear();
    winnerName.clear();
    matchModeName.clear();
    matchLevelKey.clear();
}

int RecordMatchResult(const std::string& modeName, int player1Score, int player2Score) {
    const int winner = player1Score > player2Score ? 1 : player2Score > player1Score ? 2 : 0;
    matchModeName = modeName;
    winnerTag = winner == 1 ? "P1" : winner == 2 ? "P2" : "Draw";
    winnerName = winner == 1 ? "Player" : winner == 2 ? "Player2" : "Draw";
    matchResultReady = true;
    return winner;
}

void HashMatchValues(Engine::StateHasher& hasher) {
    hasher.Value(player1Character);
    hasher.Value(player2Character);
    hasher.Value(chosenLevel);
    hasher.Value(coopPlayerCount);
    for (int32_t choice : coopBirdChoices) hasher.Value(choice);
    hasher.Flag(matchResultReady);
    hasher.Text(winnerTag);
    hasher.Text(winnerName);
    hasher.Text(matchModeName);
}

}  // namespace Game
