// The computer players in the game, headless and seeded: against a slot nobody
// plays, a computer player wins every level that pits two birds (in the egg
// level both the round it attacks and the round it defends), and hard beats
// easy over a small batch. Every key they hold is one of their own player's.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "api/script_api.h"
#include "game/ai/bird_keys.h"
#include "game/ai/computer_seats.h"
#include "game/ai/simulation.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "game/round/game_mode.h"
#include "graphics/graphics.h"
#include "support/bird_test_access.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

using Game::Seat;

class ComputerPlay : public ::testing::Test {
protected:
    ComputerPlay() {
        dir.CopyGameData(false);
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->Boot();
    }
    ~ComputerPlay() override { engine.reset(); }

    ai::MatchOutcome Play(const ai::MatchSetup& setup) {
        return ai::PlayMatch(setup, [this] { engine->Step(); });
    }

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
};

struct IdleCase {
    const char* name;
    const char* level;
    int computerSlot;  // 1 or 2; the other slot stands idle
    int bird1, bird2;
    unsigned seed;
};

std::ostream& operator<<(std::ostream& out, const IdleCase& c) { return out << c.name; }

class AgainstAnIdlePlayer : public ComputerPlay, public ::testing::WithParamInterface<IdleCase> {};

TEST_P(AgainstAnIdlePlayer, TheComputerPlayerWins) {
    const IdleCase& c = GetParam();
    ai::MatchSetup setup;
    setup.levelKey = c.level;
    setup.bird1 = c.bird1;
    setup.bird2 = c.bird2;
    setup.seat1 = c.computerSlot == 1 ? Seat::ComputerNormal : Seat::Person;
    setup.seat2 = c.computerSlot == 2 ? Seat::ComputerNormal : Seat::Person;
    setup.seed = c.seed;
    // The egg level's round wins, as its scoreboard counts them (the level is
    // left in the frame that writes the result).
    int wins[2] = {0, 0};
    const ai::MatchOutcome outcome = ai::PlayMatch(setup, [&] {
        engine->Step();
        if (const GameMode* mode = api::FindScript<GameMode>("GameLevelSettings")) {
            wins[0] = mode->player1Wins;
            wins[1] = mode->player2Wins;
        }
    });
    ASSERT_TRUE(outcome.finished) << c.level << " recorded no result in " << outcome.frames << " frames";
    EXPECT_EQ(outcome.winner, c.computerSlot) << "0 is a draw";
    if (std::string(c.level) == "Level1") {
        // Two rounds, one attacking and one defending: it must win both.
        EXPECT_EQ(wins[c.computerSlot - 1], 2) << "round wins: " << wins[0] << " to " << wins[1];
    }
}

// Birds: 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo.
const IdleCase kIdleCases[] = {
    {"EggLevelAsPlayer1", "Level1", 1, 3, 1, 11u},
    {"EggLevelAsPlayer2", "Level1", 2, 2, 4, 12u},
    {"FoodCourt", "Level2", 1, 1, 3, 13u},
    {"FoodCourtAsPlayer2", "Level2", 2, 4, 2, 14u},
#ifdef TOLVEX_AI_LONG_CASES
    {"Runner", "Level4", 2, 3, 4, 15u},
#endif
};

INSTANTIATE_TEST_SUITE_P(Levels, AgainstAnIdlePlayer, ::testing::ValuesIn(kIdleCases),
                         [](const ::testing::TestParamInfo<IdleCase>& info) { return std::string(info.param.name); });

struct BatchCase {
    const char* name;
    const char* level;
    unsigned matches;
};

std::ostream& operator<<(std::ostream& out, const BatchCase& c) { return out << c.name; }

class HardAgainstEasy : public ComputerPlay, public ::testing::WithParamInterface<BatchCase> {};

TEST_P(HardAgainstEasy, HardWinsMostOfASeededBatchInEitherSlot) {
    // Hard must win most of its matches in each slot, so a level or a bird that
    // favours one slot cannot carry it.
    const BatchCase& c = GetParam();
    int hardWins[2] = {0, 0}, easyWins[2] = {0, 0}, draws[2] = {0, 0};
    for (unsigned match = 0; match < c.matches; ++match) {
        ai::MatchSetup setup;
        setup.levelKey = c.level;
        // Slots alternate every match, birds every second match: hard plays
        // both birds in both slots.
        const bool hardFirst = match % 2 == 0;
        const bool birdsSwapped = (match / 2) % 2 == 1;
        setup.bird1 = birdsSwapped ? 3 : 1;
        setup.bird2 = birdsSwapped ? 1 : 3;
        setup.seat1 = hardFirst ? Seat::ComputerHard : Seat::ComputerEasy;
        setup.seat2 = hardFirst ? Seat::ComputerEasy : Seat::ComputerHard;
        setup.seed = 100u + match;
        const ai::MatchOutcome outcome = Play(setup);
        ASSERT_TRUE(outcome.finished);
        const int hardSlot = hardFirst ? 1 : 2;
        const int i = hardSlot - 1;
        if (outcome.winner == 0) ++draws[i];
        else if (outcome.winner == hardSlot) ++hardWins[i];
        else ++easyWins[i];
    }
    for (int i = 0; i < 2; ++i)
        EXPECT_GT(hardWins[i], easyWins[i] + draws[i])
            << "hard in slot " << i + 1 << ": hard " << hardWins[i] << ", easy " << easyWins[i] << ", draws "
            << draws[i];
}

// The levels where the birds race each other for points: hits on the boss, and
// in the runner the checkpoint gate, minions and staying alive. A run lasts
// 230 s of game time, but a batch of 8 (4 in each slot) was too small: with
// RoziDoro at its tuned speed hard won 2 of its 4 matches in the first slot,
// while it wins about three in four of the runner's matches in either slot.
const BatchCase kBatchCases[] = {
    {"BossLevel", "Zurododavad", 12},
    {"Runner", "Level4", 12},
};

INSTANTIATE_TEST_SUITE_P(Levels, HardAgainstEasy, ::testing::ValuesIn(kBatchCases),
                         [](const ::testing::TestParamInfo<BatchCase>& info) { return std::string(info.param.name); });

// Wraps the game's seats and notes every key down after each of its thoughts.
class WatchedSeats : public Engine::KeyThinker {
public:
    explicit WatchedSeats(std::set<Engine::VirtualKey>& seen) : seen_(seen) {}
    void Think(Engine::ScriptedKeyStateSource& keys) override {
        seats_.Think(keys);
        for (int key = 0; key < 256; ++key)
            if (keys.IsDown(static_cast<Engine::VirtualKey>(key))) seen_.insert(static_cast<Engine::VirtualKey>(key));
    }

private:
    ai::ComputerSeats seats_;
    std::set<Engine::VirtualKey>& seen_;
};

TEST_F(ComputerPlay, PressesOnlyItsOwnPlayersKeys) {
    for (int slot = 1; slot <= 2; ++slot) {
        std::set<Engine::VirtualKey> seen;
        Game::player1Character = 4;
        Game::player2Character = 2;
        Game::seats = {slot == 1 ? Seat::ComputerHard : Seat::Person, slot == 2 ? Seat::ComputerHard : Seat::Person,
                       Seat::Person, Seat::Person};
        api::SetComputerThinker(std::make_unique<WatchedSeats>(seen));
        api::SetInputActive(true);
        ASSERT_TRUE(api::LoadLevel("Level1"));
        engine->Step(3000);
        const ai::BirdKeys mine = ai::KeysOfPlayer(slot);
        const std::set<Engine::VirtualKey> allowed = {mine.left, mine.right, mine.flap, mine.peck,
                                                      mine.dung, mine.ultimate, mine.skill};
        // The sided shift answers for the plain one too, as on a real keyboard.
        std::set<Engine::VirtualKey> expected = allowed;
        expected.insert(Engine::VK_SHIFT);
        EXPECT_FALSE(seen.empty());
        for (Engine::VirtualKey key : seen) EXPECT_TRUE(expected.count(key)) << "slot " << slot << " pressed key " << int(key);
        // It played: walked both ways and flapped and pecked.
        for (Engine::VirtualKey key : {mine.left, mine.right, mine.flap, mine.peck})
            EXPECT_TRUE(seen.count(key)) << "slot " << slot << " never pressed key " << int(key);
    }
}

// Wraps the game's seats and notes the frames on which player 1's skill key goes down.
class SkillPresses : public Engine::KeyThinker {
public:
    explicit SkillPresses(std::vector<int>& frames) : frames_(frames) {}
    void Think(Engine::ScriptedKeyStateSource& keys) override {
        seats_.Think(keys);
        ++frame_;
        const bool down = keys.IsDown(ai::KeysOfPlayer(1).skill);
        if (down && !wasDown_) frames_.push_back(frame_);
        wasDown_ = down;
    }

private:
    ai::ComputerSeats seats_;
    std::vector<int>& frames_;
    int frame_ = 0;
    bool wasDown_ = false;
};

TEST_F(ComputerPlay, EverySkillPressStartsTheSkillEvenWithALongCooldown) {
    // VadozaVaza's scream runs 1 s and cools down 7 s; hard has the skill in
    // mind every 2.5 s. A press before the bird can fire again is lost.
    std::vector<int> presses;
    Game::player1Character = 2;
    Game::player2Character = 1;
    Game::seats = {Seat::ComputerHard, Seat::Person, Seat::Person, Seat::Person};
    api::SetComputerThinker(std::make_unique<SkillPresses>(presses));
    api::SetInputActive(true);
    ASSERT_TRUE(api::LoadLevel("PracticeRange"));
    std::vector<int> starts;
    bool running = false;
    for (int frame = 1; frame <= 40 * 60; ++frame) {
        engine->Step();
        MainPlayerBehaviour* bird = api::FindScript<MainPlayerBehaviour>("Player");
        ASSERT_NE(bird, nullptr);
        const bool requested = Edit(bird).skillRequested;
        if (requested && !running) starts.push_back(frame);
        running = requested;
    }
    ASSERT_GE(presses.size(), 4u) << "it hardly reached for the skill";
    for (int press : presses) {
        const bool started = std::any_of(starts.begin(), starts.end(),
                                         [press](int start) { return start >= press && start <= press + 2; });
        EXPECT_TRUE(started) << "the press on frame " << press << " did not start the skill";
    }
}

TEST_F(ComputerPlay, KeepsItsHandsOffTheKeysWhileTheGameIsPaused) {
    std::set<Engine::VirtualKey> seen;
    Game::seats = {Seat::ComputerHard, Seat::ComputerHard, Seat::Person, Seat::Person};
    api::SetComputerThinker(std::make_unique<WatchedSeats>(seen));
    api::SetInputActive(true);
    ASSERT_TRUE(api::LoadLevel("Level1"));
    engine->Step(600);
    EXPECT_FALSE(seen.empty());
    api::SetPaused(true);
    engine->Step(2);  // the frame that saw the pause lets go
    seen.clear();
    engine->Step(120);
    api::SetPaused(false);
    EXPECT_TRUE(seen.empty()) << "a key was held in the pause menu";
}

}  // namespace
