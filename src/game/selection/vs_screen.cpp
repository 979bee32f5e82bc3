#include "game/selection/vs_screen.h"

#include <cmath>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/selection/bird_table.h"

REGISTER_SCRIPT("VS_Screen", VSscreen);

namespace {
const api::ObjectName kBackdrop{"BG"};
const api::ObjectName kPlayer1{"Player1"};
const api::ObjectName kPlayer2{"VS_Player"};
const api::ObjectName kRedText{"RedText"};
const api::ObjectName kBlueText{"BlueText"};
const api::SoundEvent kReadySound{"event:/Round_Ready"};
const api::SoundEvent kMusic{"event:/Menu_BGM"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
const api::LevelKey kLevelSelection{"LevelSelectionScreen"};
}  // namespace

void VSscreen::Init() {
    wipe_ = MenuFlow::FindWipe();
    timer = kWaitSeconds;
    musicToldToEnd = false;
    leaving = false;
    Engine::GameObj* backdrop = api::Find(kBackdrop);
    birds_[0].bird = api::Find(kPlayer1);
    birds_[1].bird = api::Find(kPlayer2);

    const int characters[2] = {Game::player1Character, Game::player2Character};
    for (int p = 0; p < 2; ++p) {
        const Selection::BirdLook* look = Selection::BirdFor(characters[p]);
        if (!look) look = Selection::BirdFor(p == 0 ? 3 : 1);
        Engine::GameObj* bird = birds_[p].bird.Get();
        api::SetTexture(bird, look->preview);
        api::SetScale(bird, {p == 0 ? look->versusScale.x : -look->versusScale.x, look->versusScale.y});
    }

    const Selection::LevelLook* level = Selection::LevelFor(Game::chosenLevel);
    if (!level) level = Selection::LevelFor(1);
    const levels::LevelRow* row = levels::RowAtSlot(levels::Screen::LevelSelection, level->chosenLevel);
    if (!row) row = levels::RowAtSlot(levels::Screen::LevelSelection, 1);
    nextKey = row ? row->key.c_str() : "";
    Engine::GameObj* red = api::Find(kRedText);
    Engine::GameObj* blue = api::Find(kBlueText);
    api::SetTexture(red, level->redText);
    api::SetTexture(blue, level->blueText);
    api::SetScale(blue, level->blueScale);
    // The boss level's pictures are square and need their own size on both sides.
    if (level->chosenLevel == 3) api::SetScale(red, level->redScale);

    const Engine::vec2 centre = api::Position(backdrop);
    const float width = std::fabs(api::Scale(backdrop).x);
    for (int p = 0; p < 2; ++p) {
        Slider& slider = birds_[p];
        Engine::GameObj* bird = slider.bird.Get();
        const float side = p == 0 ? -1.0f : 1.0f;
        const float birdWidth = std::fabs(api::Scale(bird).x);
        api::SetPosition(bird, {centre.x + side * (width / 2 + birdWidth / 2), api::Position(bird).y});
        slider.target = centre.x + side * width * kTargetFraction;
        slider.distance = std::fabs(slider.target - api::Position(bird).x);
    }
    api::Play(kReadySound);
}

void VSscreen::Slide(Slider& slider, float dt) {
    Engine::GameObj* bird = slider.bird.Get();
    if (!bird) return;
    const float x = api::Position(bird).x;
    const float step = slider.distance * 0.5f * dt;
    const float next = std::fabs(slider.target - x) <= step ? slider.target : x + (slider.target > x ? step : -step);
    api::SetPosition(bird, {next, api::Position(bird).y});
}

void VSscreen::Update(float dt) {
    // A wipe that gave up on its level (it could not be loaded) opens the screen
    // again; so does this screen, or it would never answer a key again.
    if (leaving && wipe_ && !wipe_->leaving) leaving = false;
    if ((wipe_ && !wipe_->revealed) || api::Paused() || leaving) return;
    menu_.Poll(dt);
    if (menu_.back) {
        leaving = true;
        api::Play(kReturn);
        MenuFlow::LeaveTo(wipe_.Get(), kLevelSelection);
        return;
    }
    for (Slider& slider : birds_) Slide(slider, dt);
    if (timer > 0.0f) {
        timer -= dt;
        return;
    }
    if (!musicToldToEnd) {
        api::SetParameter(kMusic, "Game_Start", 1.0f);
        musicToldToEnd = true;
    }
    // A missing or finished event counts as stopped, so this wait always ends.
    if (api::IsStopped(kMusic) && !nextMissing) {
        // A level that does not exist keeps the player here with one printed line.
        if (MenuFlow::LeaveTo(wipe_.Get(), nextKey))
            leaving = true;
        else
            nextMissing = true;
    }
}
