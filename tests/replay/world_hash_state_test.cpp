// The world hash covers what decides a match, not only where things are: one
// gameplay field of a script, or one of the match's shared values, changed by
// itself changes the hash, and put back gives the same hash again.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/fight_state.h"
#include "game/egg/egg_behaviour.h"
#include "game/game_values.h"
#include "game/round/game_mode.h"
#include "replay_fixture.h"
#include "wiring/world_hash.h"
#include "support/bird_test_access.h"

namespace {

using ReplayTests::HarnessRun;
using ReplayTests::Start;

struct FieldCase {
    const char* name;
    // Changes one field and returns the function that puts it back.
    std::function<std::function<void()>()> change;
};

template <class Script, class Field>
std::function<std::function<void()>()> Bump(const char* object, Field Script::*field, Field other) {
    return [=] {
        Script* script = api::FindScript<Script>(object);
        EXPECT_NE(script, nullptr) << object;
        if (!script) return std::function<void()>([] {});
        const Field kept = script->*field;
        script->*field = other;
        return std::function<void()>([=] { script->*field = kept; });
    };
}

// A bird's own field, changed the way tests change a bird.
template <class Script, class State, class Field>
std::function<std::function<void()>()> BumpBird(const char* object, Field State::*field, Field other) {
    return [=] {
        Script* script = api::FindScript<Script>(object);
        EXPECT_NE(script, nullptr) << object;
        if (!script) return std::function<void()>([] {});
        State& state = Edit(script);
        const Field kept = state.*field;
        state.*field = other;
        return std::function<void()>([=, &state] { state.*field = kept; });
    };
}

// A shared value is changed from whatever it holds (other tests of the same
// process may have left a result behind).
template <class Value>
std::function<std::function<void()>()> BumpShared(Value* shared, std::function<Value(Value)> other) {
    return [=] {
        const Value kept = *shared;
        *shared = other(kept);
        return std::function<void()>([=] { *shared = kept; });
    };
}

class WorldHashState : public ::testing::TestWithParam<FieldCase> {
protected:
    TestSupport::ScratchDir dir;
    WorldHashState() { ReplayTests::CopyGameData(dir); }
};

TEST_P(WorldHashState, ChangingTheFieldChangesTheHashAndPuttingItBackRestoresIt) {
    HarnessRun run(Start::kEggLevel);
    run.engine().Step(400);  // past the wipe, into the dialogue and countdown
    const uint64_t before = Engine::WorldHash();
    ASSERT_EQ(Engine::WorldHash(), before) << "the hash reads the world without changing it";
    const std::function<void()> putBack = GetParam().change();
    EXPECT_NE(Engine::WorldHash(), before) << GetParam().name << " is not in the hash";
    putBack();
    EXPECT_EQ(Engine::WorldHash(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, WorldHashState,
    ::testing::Values(
        FieldCase{"EggHealth", Bump<EggBehaviour, int32_t>("Egg", &EggBehaviour::health, 95)},
        FieldCase{"BirdStamina", BumpBird<MainPlayerBehaviour, BirdBodyState, float>("Player", &BirdBodyState::stamina, 99.5f)},
        FieldCase{"BirdDead", BumpBird<MainPlayerBehaviour, BirdBodyState, bool>("Player2", &BirdBodyState::dead, true)},
        FieldCase{"SkillCooldown", BumpBird<MainPlayerBehaviour, BirdBodyState, float>("Player", &BirdBodyState::skillTimer, 0.25f)},
        FieldCase{"DungCooldown", BumpBird<MainPlayerBehaviour, BirdBodyState, float>("Player2", &BirdBodyState::dungTimer, 1.5f)},
        FieldCase{"Score", BumpBird<RoundPlayerBehaviour, BirdRoundState, int32_t>("Player", &BirdRoundState::hitCount, 20)},
        FieldCase{"ArmourPieces", BumpBird<RoundPlayerBehaviour, BirdRoundState, int32_t>("Player2", &BirdRoundState::armorPieces, 2)},
        FieldCase{"Immunity", BumpBird<RoundPlayerBehaviour, BirdRoundState, bool>("Player", &BirdRoundState::immune, true)},
        FieldCase{"RoundClock", Bump<GameMode, float>("GameLevelSettings", &GameMode::timeLeft, 42.0f)},
        FieldCase{"RoundWins", Bump<GameMode, int32_t>("GameLevelSettings", &GameMode::player2Wins, 1)},
        FieldCase{"MatchWinner", BumpShared<std::string>(&Game::winnerName, [](std::string w) { return w + "2"; })},
        FieldCase{"MatchResultReady", BumpShared<bool>(&Game::matchResultReady, [](bool r) { return !r; })}),
    [](const auto& info) { return std::string(info.param.name); });

// The boss fight's state lives with its level; each field of it is in the hash.
TEST(WorldHashBossFight, EachFieldOfTheFightChangesTheHash) {
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    HarnessRun run(Start::kBossLevel);
    run.engine().Step(120);
    boss::FightState* fight = boss::Fight();
    ASSERT_NE(fight, nullptr);
    const uint64_t before = Engine::WorldHash();
    const boss::FightState kept = *fight;
    for (const std::function<void()>& bump : std::initializer_list<std::function<void()>>{
             [&] { fight->started = !fight->started; }, [&] { fight->vulnerable = !fight->vulnerable; },
             [&] { fight->orbCount += 1; }}) {
        bump();
        EXPECT_NE(Engine::WorldHash(), before);
        *fight = kept;
        EXPECT_EQ(Engine::WorldHash(), before);
    }
}

}  // namespace
