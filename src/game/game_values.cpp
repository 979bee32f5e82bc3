#include "game/game_values.h"

namespace Game {

int32_t player1Character = 3;
int32_t player2Character = 1;
int32_t chosenLevel = 1;
int32_t coopPlayerCount = 2;
std::array<int32_t, 4> coopBirdChoices{};
std::array<Engine::graphics::Texture*, 4> coopTextureChoices{};

bool matchResultReady = false;
std::string winnerTag;
std::string winnerName;
std::string matchModeName;

float runnerClock = 0.0f;
int32_t runnerDebrisCount = 0;
bool fightStarted = false;
bool bossVulnerable = false;
int32_t bossOrbCount = 0;

}  // namespace Game
