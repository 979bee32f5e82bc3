#pragma once
// The speech bubbles at the start of a match level: player 1's bubble grows
// with its portrait, line and voice, then player 2's, both stay up for the hold
// time and then shrink away. The level's round logic waits for Finished().
//
// The lines come from the current level path; the portrait and voice from each
// player's character. The bubble and portrait objects ("P1Dialog",
// "P2Dialog", "P1DialogChar", "P2DialogChar") come from the level, usually as
// copies of the dialogue archetypes; the two line labels are spawned here.
//
// Other level scripts drive it through its public state:
//   - delay:    seconds to wait after the wipe has opened before player 1's bubble
//               starts growing (the egg level sets 2.0);
//   - active:   a switched-off dialogue shows nothing and counts as finished;
//   - holdTime: how long both full bubbles stay up (the boss level sets 2.0);
//   - phase:    put back to Showing to keep the bubbles up (the runner does this
//               while its opening clock runs).

#include <array>

#include "api/script_api.h"

class DialogScene : public Engine::ScriptBase<DialogScene> {
public:
    enum class Phase { Showing, Hiding };


    // By character number 1..4 (index 0 is character 1).
    static const std::array<const char*, 4> kPortraits;
    static const std::array<const char*, 4> kVoices;

    static constexpr float kFullWidth = 12.0f;
    static constexpr float kFullHeight = 4.0f;
    static constexpr float kGrowX = 10.5f;    // bubble scale units per second
    static constexpr float kGrowY = 9.5f;
    static constexpr float kShrinkX = 10.0f;
    static constexpr float kShrinkY = 7.0f;
    static constexpr float kDefaultHoldTime = 0.5f;
    // At 32 px the longest line ("The Spaceship's Ahead!") runs past the 12-unit
    // bubble; at 28 every line sits inside it.
    static constexpr int kLabelSize = 28;
    static constexpr int32_t kLabelLayer = 8;
    static constexpr uint32_t kPlayer1Color = 0xFF9370DB;
    static constexpr uint32_t kPlayer2Color = 0xFFE16941;
    static constexpr float kLabelRaise = 0.3f;      // above the bubble's centre
    static constexpr float kLabelInset = 0.25f;     // of the bubble's width, left of its centre

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // True once both lines have been shown and held and the bubbles are closing,
    // or when the dialogue is switched off: the round logic may start.
    bool Finished() const { return !active || phase == Phase::Hiding; }

    Phase phase = Phase::Showing;
    float holdTime = kDefaultHoldTime;
    float holdTimer = 0.0f;
    float delay = 0.0f;
    bool active = true;

    // The lines this level gives each player (empty for a level without lines).
    std::string player1Line;
    std::string player2Line;

private:
    struct Speaker {
        api::ObjectRef bubble;
        api::ObjectRef portrait;
        api::ObjectRef label;
        const char* voice = nullptr;
        bool voicePlayed = false;
    };

    // Grows the speaker's bubble; true once it is at full size (portrait and line shown).
    bool Grow(Speaker& speaker, float dt);
    // Shrinks the speaker's bubble and hides its portrait and line; true once closed.
    bool Shrink(Speaker& speaker, float dt);

    std::array<Speaker, 2> speakers_{};
    api::ObjectRef wipeObject_;
    float delayTimer_ = 0.0f;
};
