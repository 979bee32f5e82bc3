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

struct MatchRule {
    Mode mode;
    const char* name;
    const api::LevelKey* fallback;  // where a missing follow-up level sends the players
};

const MatchRule kRules[] = {
    {Mode::Egg, "Vozedoreroz", &kTitle},
    {Mode::Runner, "Rudorarurozavir", &kTitle},
    {Mode::Boss, "Zurododavad", &kTitle},
    {Mode::FoodCourt, "Zovadurazod", &kCoopTitle},
};

const MatchRule* RuleOf(Mode mode) {
    for (const MatchRule& rule : kRules)
        if (rule.mode == mode) return &rule;
    return nullptr;
}

// The row the match was played in: the loaded level's, or, for a match ended
// from elsewhere, the first row of its mode.
const LevelRow* RowOfMatch(Mode mode) {
    if (const LevelRow* row = Current(); row && row->mode == mode) return row;
    for (int i = 0; i < RowCount(); ++i)
        if (Rows()[i].mode == mode) return &Rows()[i];
    return nullptr;
}

// What follows a match: the row's end storyboard (which then shows the
// winner's scene), or the winner's scene at once.
const api::LevelKey& FollowUp(const LevelRow* row, int winner) {
    if (row && !row->storyboard.empty()) return kStoryboard;
    return winner == 1 ? kPlayer1Wins : winner == 2 ? kPlayer2Wins : kDraw;
}

}  // namespace

const char* MatchName(Mode mode) {
    const MatchRule* rule = RuleOf(mode);
    return rule ? rule->name : nullptr;
}

int RecordResult(Mode mode, int player1Score, int player2Score) {
    const char* name = MatchName(mode);
    const LevelRow* row = RowOfMatch(mode);
    Game::matchLevelKey = row ? row->key.c_str() : "";
    return Game::RecordMatchResult(name ? name : "", player1Score, player2Score);
}

int MatchEnd(Mode mode, int player1Score, int player2Score) {
    const int winner = RecordResult(mode, player1Score, player2Score);
    const MatchRule* rule = RuleOf(mode);
    if (!rule) return winner;
    const api::LevelKey* key = &FollowUp(RowOfMatch(mode), winner);
    if (!api::LevelExists(*key)) {
        std::cout << "Match end: no level under \"" << key->c_str() << "\"; back to \""
                  << rule->fallback->c_str() << "\"" << std::endl;
        key = rule->fallback;
    }
    MenuFlow::LeaveTo(MenuFlow::FindWipe(), *key);
    return winner;
}

}  // namespace levels
