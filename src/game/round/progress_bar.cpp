#include "game/round/progress_bar.h"

#include <algorithm>
#include <string>

#include "api/script_api.h"

REGISTER_SCRIPT("ProgressBar", ProgressBar);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kTop{"CinematicTop"};
const api::ObjectName kBottom{"CinematicBot"};
}  // namespace

void ProgressBar::Init() {
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    cinematicTop = api::Find(kTop);
    cinematicBot = api::Find(kBottom);
    for (size_t i = 0; i < 2; ++i) {
        const std::string prefix = "B" + std::to_string(i + 1);
        progress[i] = api::Find(prefix + "Progress");
        respawn[i] = api::Find(prefix + "Respawn");
        bar[i] = api::Find(prefix + "BB");
    }
    barsIn = false;
    barsLeaving = false;
    playerCount = 2;
    runTime = 0.0f;
    api::SetTexture(progress[0].Get(), api::TextureOf(player1.Get()));
    api::SetTexture(progress[1].Get(), api::TextureOf(player2.Get()));
}

void ProgressBar::Update(float dt) {
    runTime += dt;
    api::GameObj* top = cinematicTop.Get();
    api::GameObj* bottom = cinematicBot.Get();
    if (runTime > 7.0f) barsLeaving = true;
    if (barsLeaving) {
        barsIn = false;
        if (top) api::SetPosition(top, {api::Position(top).x, std::min(api::Position(top).y + dt, 12.0f)});
        if (bottom) api::SetPosition(bottom, {api::Position(bottom).x, std::max(api::Position(bottom).y - dt, -12.0f)});
    } else if (runTime > 1.0f) {
        barsIn = true;
        if (top) api::SetPosition(top, {api::Position(top).x, std::max(api::Position(top).y - dt, 8.0f)});
        if (bottom) api::SetPosition(bottom, {api::Position(bottom).x, std::min(api::Position(bottom).y + dt, -8.0f)});
    }
}
