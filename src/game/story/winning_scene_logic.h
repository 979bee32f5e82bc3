#pragma once
// The result level: the winner ("PlayerObj") cheers with its trophy sheet and,
// a second after the screen has opened, its victory voice; F, the comma key or
// button A (on release) on either pad then returns to the title screen. Which
// player won is the level itself: "Player1WinningScene" or
// "Player2WinningScene"; any other level is the draw, where "PlayerObj" keeps
// its own sheet and no voice plays.

#include <array>
#include <string>

#include "api/script_api.h"

class WinningSceneLogic : public Engine::ScriptBase<WinningSceneLogic> {
public:
    struct Victory {
        const char* texture;
        const char* voice;
    };
    // By character number 1..4 (index 0 is character 1).
    static const std::array<Victory, 4> kVictories;
    static const api::LevelKey kPlayer1Scene;
    static const api::LevelKey kPlayer2Scene;

    static constexpr float kQuietSeconds = 1.0f;
    static constexpr float kFrameTime = 0.2f;
    static constexpr uint32_t kFirstFrame = 1;
    static constexpr uint32_t kLastFrame = 5;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The winner's character for a level path: 0 for a draw.
    // The slot (1 or 2) whose winning scene is loaded, 0 in neither.
    static int32_t WinningSlot();
    // The entry for a character number, or null outside 1..4.
    static const Victory* VictoryOf(int32_t character);

    int32_t winner = 0;
    float timer = 0.0f;
    bool voicePlayed = false;
    bool leaving = false;

    // The line under a result that a computer player took part in: "Computer
    // (hard) wins" or "Player 1 beats Computer (easy)"; empty for two people or a draw.
    static std::string ComputerLine(int32_t winnerSlot);

private:
    api::ObjectRef wipe_;
    api::ObjectRef computerLine_;
    api::ObjectRef bird_;
    api::MenuInput menu_;
};
