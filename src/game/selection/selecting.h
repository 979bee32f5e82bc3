#pragma once
// The co-op picker for two or four players. Phase 1: each player moves a tracker
// over nine birds ("B1".."B9"); X moves on. Phase 2: the camera scrolls up to
// eight level pictures ("Level1".."Level8") and each player picks one; X starts
// a draw on "Blank" that cycles through the players' picks for three seconds and
// then stops on one of them, unless a player points at a picture no level-table
// row fills (the level file shows it as "coming soon"): then X only
// answers with the back sound. Phase 3: X enters player 1's level. Escape or
// pad 1 B goes back to the title.
//
// Player 1 moves with A (next) and D (previous) or its d-pad, player 2 with the
// arrow keys or its d-pad, players 3 and 4 with their d-pads.

#include <array>
#include <string>
#include <vector>

#include "api/script_api.h"

class Selecting : public Engine::ScriptBase<Selecting> {
public:
    static constexpr int kBirdCount = 9;
    static constexpr int kLevelCount = 8;
    static constexpr float kScrollSpeed = 42.0f;  // world units per second
    static constexpr float kScrollHeight = 18.0f;
    static constexpr float kDrawSeconds = 3.0f;
    static constexpr uint32_t kCountColour = 0xFF0000FFu;

    explicit Selecting(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;

    // Whether level picture 1..kLevelCount leads to a level that can open.
    static bool LevelOpen(int levelIndex);

    int phase = 1;
    // Per player, 1-based: a bird in phase 1, a level in phase 2.
    std::array<int, 4> index{{1, 1, 1, 1}};
    float scroll = 0.0f;
    bool drawing = false;
    float drawTime = 0.0f;
    // The pictures the draw runs through, one per player.
    struct Pick {
        std::string texture;
        uint32_t frame = 1;
    };
    std::vector<Pick> candidates;
    size_t shown = 0;

private:
    struct Player {
        api::ObjectRef tracker;
        api::ObjectRef pick;
        api::ObjectRef selectedMap;
    };
    int Players() const;
    void Steer(float dt);
    void Place();
    void Advance();
    void RunDraw(float dt);
    void ShowCandidate(const Pick& pick);

    std::array<Player, 4> players_;
    std::array<MenuPad, 4> pads_{{MenuPad{1}, MenuPad{2}, MenuPad{3}, MenuPad{4}}};
    std::array<int, 4> birdIndex_{{1, 1, 1, 1}};
    api::ObjectRef blank_;
    api::ObjectRef countLabel_;
    // Who plays each slot; the keys 1 to 4 step a slot through person and computer.
    api::ObjectRef seatLabel_;
    void ShowSeats();
};
