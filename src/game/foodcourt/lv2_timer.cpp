#include "game/foodcourt/lv2_timer.h"

#include <cstdio>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/game_values_hash.h"
#include "game/foodcourt/food_court_round.h"
#include "game/levels/level_table.h"

REGISTER_SCRIPT("Lv2Timer", Lv2Timer);

void Lv2Timer::Init() {
    seconds = kRoundTime;
    ended = false;
    // A prototype has no owner and a level object gets its label only after
    // its scripts: the label is there by now.
    label_ = api::LabelOf(owner) ? owner : nullptr;
    // The food court's row has no music today; the round starts whatever it names.
    levels::StartMusic();
}

std::string Lv2Timer::Text(float seconds) {
    const int whole = seconds > 0.0f ? static_cast<int>(seconds) : 0;
    char text[16];
    std::snprintf(text, sizeof text, "%3d", whole);
    return text;
}

void Lv2Timer::Update(float dt) {
    if (ended) return;
    seconds -= dt;
    api::SetText(label_.Get(), Text(seconds));
    if (seconds <= kWarningTime) api::SetTextColor(label_.Get(), kWarningColor);
    if (seconds > 0.0f) return;
    // Once: the wipe takes a moment to cover the screen before the result loads.
    ended = true;
    FoodCourtRound::Finish();
}

void Lv2Timer::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(seconds);
    hasher.Flag(ended);
    Game::HashMatchValues(hasher);
}
