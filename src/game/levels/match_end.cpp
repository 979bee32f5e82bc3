#include "game/levels/match_end.h"

#include <iostream>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/menu_flow.h"

namespace levels {

namespace {

const api::LevelKey kStoryboard{"CutScene"};
const api::LevelKey kPlayer1Wins{"Player1WinningScene"};
const api::LevelKey kPlayer2Wins{"Player2WinningScene"};
const api::LevelKey kDraw{"DrawScene"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::LevelKey kCoopTitle{"MainMenu"};

// What follows a match: the end storyboard (which then shows the winner's
// scene), or the winner's scene at once.
enum class After { Storyboard, WinnerScene };

struct MatchRule {
    Mode mode;
    const char* name;
    After after;
    const api::LevelKey* fallback;  // where a missing follow-up level sends the players
};

const MatchRule kRules[] = {
    {Mode::Egg, "Vozedoreroz", After::Storyboard, &kTitle},
    {Mode::Runner, "Rudorarurozavir", After::Storyboard, &kTitle},
    {Mode::Boss, "Zurododavad", After::Storyboard, &kTitle},
    {Mode::FoodCourt, "Zovadurazod", After::WinnerScene, &kCoopTitle},
};

const MatchRule* RuleOf(Mode mode) {
    for (const MatchRule& rule : kRules)
        if (rule.mode == mode) return &rule;
    return nullptr;
}

const api::LevelKey& FollowUp(const MatchRule& rule, int winner) {
    if (rule.after == After::Storyboard) return kStoryboard;
    return winner == 1 ? kPlayer1Wins : winner == 2 ? kPlayer2Wins : kDraw;
}

}  // namespace

const char* MatchName(Mode mode) {
    const MatchRule* rule = RuleOf(mode);
    return rule ? rule->name : nullptr;
}

int RecordResult(Mode mode, int player1Score, int player2Score) {
    const char* name = MatchName(mode);
    return Game::RecordMatchResult(name ? name : "", player1Score, player2Score);
}

int MatchEnd(Mode mode, int player1Score, int player2Score) {
    const int winner = RecordResult(mode, player1Score, player2Score);
    const MatchRule* rule = RuleOf(mode);
    if (!rule) return winner;
    const api::LevelKey* key = &FollowUp(*rule, winner);
    if (!api::LevelExists(*key)) {
        std::cout << "Match end: no level under \"" << key->c_str() << "\"; back to \""
                  << rule->fallback->c_str() << "\"" << std::endl;
        key = rule->fallback;
    }
    MenuFlow::LeaveTo(MenuFlow::FindWipe(), *key);
    return winner;
}

}  // namespace levels
