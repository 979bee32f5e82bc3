#pragma once
// The values that outlive a level: what the players chose on the selection
// screens, and the result of the last match for the screens that show it.

#include <array>
#include <cstdint>
#include <string>

namespace Engine::graphics {
struct Texture;
}

namespace Game {

// Characters: 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo.
extern int32_t player1Character;
extern int32_t player2Character;
// The level selection's slot, 1..3; the level table's rows say which level each enters.
extern int32_t chosenLevel;
// 2 or 4, chosen on the co-op title screen.
extern int32_t coopPlayerCount;
extern std::array<int32_t, 4> coopBirdChoices;
extern std::array<Engine::graphics::Texture*, 4> coopTextureChoices;

// Who plays each player slot (1..4 at index 0..3): a person, or the computer at
// a strength. Chosen on the selection screens, read by the computer players
// and by the result screens, which name a computer player as such.
enum class Seat : int32_t { Person = 0, ComputerEasy = 1, ComputerNormal = 2, ComputerHard = 3 };
extern std::array<Seat, 4> seats;
bool IsComputer(Seat seat);
// "Computer (easy)", "Computer (normal)", "Computer (hard)"; "Player" for a person.
const char* SeatLabel(Seat seat);
// The next choice in the cycle a slot's key steps through: person, easy, normal, hard.
Seat NextSeat(Seat seat);

// Written by the level that ends a match, read by the result screens.
extern bool matchResultReady;
extern std::string winnerTag;      // "P1", "P2", anything else a draw
extern std::string winnerName;     // "Player", "Player2", "Draw"
extern std::string matchModeName;  // "Vozedoreroz", "Rudorarurozavir", "Zurododavad"
// The level-table key of the level the match was played in: the end storyboard
// shows that row's pictures.
extern std::string matchLevelKey;


// Puts every value back to what a fresh program starts with: the birds, the
// level and the co-op choices, the seats, and no result. For a match that must
// not depend on what this program played before (an online match, a test).
void ResetValues();

// Writes the result a match reached, a draw included, so no result screen can
// show an earlier match's: the mode, "P1"/"P2"/"Draw" with "Player"/"Player2"/
// "Draw", and the ready flag. Answers 1 or 2 for the winning player, 0 for a draw.
int RecordMatchResult(const std::string& modeName, int player1Score, int player2Score);

}  // namespace Game
