#pragma once
// The bird selection: two cursors over four portraits. Player 1 moves with A/D,
// the d-pad or the stick of pad 1 and readies with F or A; player 2 with the
// arrows and / or pad 2. A bird one player has readied on cannot be readied on
// by the other. H / pad 1 X and , / pad 2 X open each player's skill card.
// Either slot can be played by the computer: C or pad 1 Y steps player 2's
// slot, V player 1's, through person, easy, normal and hard (a label and a
// robot show it over the slot). A computer's bird is picked with player 1's
// keys and pad: its own slot first, then the computer's.
// Both ready: on to the level selection, or to the practice range when the
// screen is the practice one. Escape or pad 1 B goes back to the title.

#include <array>

#include "api/script_api.h"
#include "api/script_ref.h"

class Transition;

class CharacterSelection : public Engine::ScriptBase<CharacterSelection> {
public:
    static constexpr uint32_t kReadyColour = 0xFFFFFFFFu;
    static constexpr uint32_t kWaitingColour = 0x64FFFFFFu;  // alpha 100
    static constexpr uint32_t kHiddenColour = 0x00FFFFFFu;

    explicit CharacterSelection(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;

    // Per player (0 = player 1, 1 = player 2).
    std::array<bool, 2> ready{};
    std::array<bool, 2> infoShown{};
    bool practice = false;

private:
    struct Side {
        api::ObjectRef cursor;
        api::ObjectRef preview;
        api::ObjectRef readySign;
        api::ObjectRef name;
        api::ObjectRef info;
        std::array<api::ObjectRef, 2> slowSparks;
        std::array<api::ObjectRef, 2> fastSparks;
        api::ObjectRef seatIcon;
        api::ObjectRef seatLabel;
    };

    // Which input moves side `p`'s cursor this frame (index into input_), or -1:
    // a person's own, or player 1's for a computer's side once player 1 is done.
    int DriverOf(int p) const;
    // Steps side `p` to the next seat (person, easy, normal, hard) and shows it.
    void CycleSeat(int p);
    void ShowSeat(int p);

    // Moves player `p`'s cursor one step (-1 left, +1 right) within the portraits.
    void Move(int p, int direction, api::MenuInput& in);
    // Shows the bird under player `p`'s cursor and writes it as that player's choice.
    void ShowChoice(int p);
    void ToggleReady(int p);
    void ShowReadiness(int p);
    // The character under a cursor, 0 when it stands on no portrait.
    int CharacterUnder(const Engine::GameObj* cursor) const;

    api::ScriptRef<Transition> wipe_;
    std::array<Side, 2> sides_;
    std::array<api::ObjectRef, 4> portraits_;
    std::array<api::MenuInput, 2> input_;
    bool leaving_ = false;
    bool triedToLeave_ = false;
};
