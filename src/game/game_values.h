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
// 1 the egg level ("Level1"), 2 the runner ("Level4"), 3 the boss level ("Zurododavad").
extern int32_t chosenLevel;
// 2 or 4, chosen on the co-op title screen.
extern int32_t coopPlayerCount;
extern std::array<int32_t, 4> coopBirdChoices;
extern std::array<Engine::graphics::Texture*, 4> coopTextureChoices;

// Written by the level that ends a match, read by the result screens.
extern bool matchResultReady;
extern std::string winnerTag;      // "P1", "P2", anything else a draw
extern std::string winnerName;     // "Player", "Player2", "Draw"
extern std::string matchModeName;  // "Vozedoreroz", "Rudorarurozavir", "Zurododavad"

// The runner's clock: seconds since the run started, advanced only by the
// runner's controller and read by its progress bar.
extern float runnerClock;
// How many pieces of runner debris have started since the program began; every
// fifth one becomes a falling meteor.
extern int32_t runnerDebrisCount;
// The boss level's shared state: the opening dialogue is over (`fightStarted`),
// the fight phase has begun and the boss can be hurt (`bossVulnerable`), and the
// energy orbs the boss has absorbed (`bossOrbCount`, 0 to 5).
extern bool fightStarted;
extern bool bossVulnerable;
extern int32_t bossOrbCount;

// Writes the result a match reached, a draw included, so no result screen can
// show an earlier match's: the mode, "P1"/"P2"/"Draw" with "Player"/"Player2"/
// "Draw", and the ready flag. Answers 1 or 2 for the winning player, 0 for a draw.
int RecordMatchResult(const std::string& modeName, int player1Score, int player2Score);

}  // namespace Game
