#include "game/ai/simulation.h"

#include <iostream>
#include <memory>

#include "api/script_api.h"
#include "game/ai/computer_seats.h"
#include "game/ai/strength.h"
#include "game/levels/match_end.h"
#include "game/menus/loading_logic.h"
#include "wiring/engine.h"
#include "wiring/simulation_hook.h"

namespace ai {

namespace {

// The command line's word for each mode with a match; it names the mode's first row.
struct ModeWord {
    const char* word;
    levels::Mode mode;
};
constexpr ModeWord kModeWords[] = {
    {"egg", levels::Mode::Egg},
    {"foodcourt", levels::Mode::FoodCourt},
    {"runner", levels::Mode::Runner},
    {"boss", levels::Mode::Boss},
};

bool IsWordOf(const std::string& text, levels::Mode mode) {
    for (const ModeWord& word : kModeWords)
        if (word.mode == mode && text == word.word) return true;
    return false;
}
constexpr const char* kBirdNames[] = {"RoziDoro", "VadozaVaza", "DovaDizavov", "DoruZuvo"};

}  // namespace

bool ParseLevel(const std::string& text, std::string& levelKey) {
    // Only a level with a match can be simulated.
    for (int i = 0; i < levels::RowCount(); ++i) {
        const levels::LevelRow& row = levels::Rows()[i];
        if (!levels::MatchName(row.mode)) continue;
        if (text == row.key.c_str() || IsWordOf(text, row.mode)) {
            levelKey = row.key.c_str();
            return true;
        }
    }
    return false;
}

bool ParseBird(const std::string& text, int& bird) {
    for (int i = 0; i < 4; ++i) {
        if (text == kBirdNames[i] || text == std::to_string(i + 1)) {
            bird = i + 1;
            return true;
        }
    }
    return false;
}

bool ParseSeat(const std::string& text, Game::Seat& seat) {
    if (text == "idle") {
        seat = Game::Seat::Person;  // nobody at the keys
        return true;
    }
    Strength strength;
    if (!ParseStrength(text, strength)) return false;
    seat = static_cast<Game::Seat>(static_cast<int>(strength));
    return true;
}

MatchOutcome PlayMatch(const MatchSetup& setup, const std::function<void()>& step) {
    Game::player1Character = setup.bird1;
    Game::player2Character = setup.bird2;
    Game::seats = {setup.seat1, setup.seat2, Game::Seat::Person, Game::Seat::Person};
    Game::matchResultReady = false;
    Game::winnerName.clear();
    api::Seed(setup.seed);
    // Fresh players with the match's own random numbers.
    api::SetComputerThinker(std::make_unique<ComputerSeats>(setup.seed));
    api::SetInputActive(true);
    MatchOutcome outcome;
    if (!api::LoadLevel(setup.levelKey)) return outcome;
    while (outcome.frames < setup.maxFrames) {
        step();
        ++outcome.frames;
        if (Game::matchResultReady) {
            outcome.finished = true;
            outcome.winner = Game::winnerName == "Player" ? 1 : Game::winnerName == "Player2" ? 2 : 0;
            break;
        }
    }
    return outcome;
}

namespace {

// `tolvex --simulate LEVEL BIRD_A BIRD_B STRENGTH_A STRENGTH_B MATCHES [SEED]`
int RunSimulation(const Engine::EngineOptions& given, const std::vector<std::string>& operands) {
    MatchSetup setup;
    int matches = 0;
    unsigned seed = 1;
    const bool read = ParseLevel(operands[0], setup.levelKey) && ParseBird(operands[1], setup.bird1) &&
                      ParseBird(operands[2], setup.bird2) && ParseSeat(operands[3], setup.seat1) &&
                      ParseSeat(operands[4], setup.seat2);
    try {
        matches = std::stoi(operands[5]);
        if (operands.size() > 6) seed = static_cast<unsigned>(std::stoul(operands[6]));
    } catch (const std::exception&) {
        matches = 0;
    }
    if (!read || matches <= 0) {
        std::cout << "--simulate: expected LEVEL (egg, foodcourt, runner, boss) BIRD_A BIRD_B (RoziDoro, VadozaVaza, "
                     "DovaDizavov, DoruZuvo) STRENGTH_A STRENGTH_B (easy, normal, hard, idle) MATCHES [SEED]"
                  << std::endl;
        return 2;
    }
    Engine::EngineOptions options = given;
    options.window = false;
    options.scriptedInput = true;
    options.silentSound = true;
    options.quitAfterFrames = 0;
    Engine::EngineSystems systems(options);
    if (!systems.Initialize()) return 1;
    const auto step = [&systems] { systems.core->RunFrame(Engine::Core::kFrameSeconds); };
    // The boot frame, then what the loading screen would load.
    step();
    LoadContentAtOnce();
    int wins = 0, losses = 0, draws = 0, unfinished = 0;
    for (int match = 0; match < matches; ++match) {
        setup.seed = seed + static_cast<unsigned>(match);
        const MatchOutcome outcome = PlayMatch(setup, step);
        if (!outcome.finished) ++unfinished;
        else if (outcome.winner == 1) ++wins;
        else if (outcome.winner == 2) ++losses;
        else ++draws;
        std::cout << "match " << match + 1 << " seed " << setup.seed << ": "
                  << (!outcome.finished ? "unfinished" : outcome.winner == 1 ? "A wins" : outcome.winner == 2 ? "B wins" : "draw")
                  << " after " << outcome.frames << " frames" << std::endl;
    }
    std::cout << "simulate " << operands[0] << " " << kBirdNames[setup.bird1 - 1] << " " << operands[3] << " vs "
              << kBirdNames[setup.bird2 - 1] << " " << operands[4] << ": wins " << wins << " losses " << losses
              << " draws " << draws << " unfinished " << unfinished << std::endl;
    return 0;
}

const bool kRegistered = Engine::RegisterSimulation(&RunSimulation);

}  // namespace

}  // namespace ai
