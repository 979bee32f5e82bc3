#include "game/runner/score_anchor.h"

namespace runner {

namespace {
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kP1Score{"P1Score"};
const api::ObjectName kP2Score{"P2Score"};
}  // namespace

api::GameObj* ScoreAnchorOf(const api::GameObj* bird) {
    if (!bird) return nullptr;
    return api::Find(bird->name == kPlayer2.c_str() ? kP2Score : kP1Score);
}

}  // namespace runner
