// The four characters' rows, the choice of character by object name and the
// team taken from the controller.
#include "api/script_api.h"
#include "bird_fixture.h"
#include "game/birds/bird.h"
#include "game/birds/character_table.h"
#include "input/player_slots.h"
#include "physics/collider.h"

namespace {
struct Row {
    int id;
    Engine::vec2 scale, collider;
    float knockback, stamina, speed, flap, cooldown;
    const char* idle;
    const char* portrait;
    const char* skillIcon;
};
std::ostream& operator<<(std::ostream& out, const Row& row) { return out << "character " << row.id; }

class CharacterRowTest : public BirdFixture, public ::testing::WithParamInterface<Row> {};
}  // namespace

TEST_P(CharacterRowTest, TheBirdTakesItsCharactersRow) {
    const Row& row = GetParam();
    OpenRange(row.id, row.id);
    Step();
    for (const char* name : {"Player", "Player2"}) {
        SCOPED_TRACE(name);
        IndividualPlayerBehaviour* character = Character(name);
        MainPlayerBehaviour* bird = Main(name);
        ASSERT_NE(character, nullptr);
        EXPECT_EQ(character->characterId, row.id);
        Engine::GameObj* object = Find(name);
        EXPECT_FLOAT_EQ(std::fabs(object->transform->scale.x), row.scale.x);
        EXPECT_FLOAT_EQ(object->transform->scale.y, row.scale.y);
        EXPECT_FLOAT_EQ(object->GetCollider()->width, row.collider.x);
        EXPECT_FLOAT_EQ(object->GetCollider()->height, row.collider.y);
        EXPECT_FLOAT_EQ(bird->State().peckKnockback, row.knockback * 20.0f);
        EXPECT_FLOAT_EQ(bird->State().maxStamina, row.stamina * 10.0f);
        EXPECT_FLOAT_EQ(bird->State().moveSpeed, row.speed);
        EXPECT_FLOAT_EQ(bird->State().flapStrength, row.flap);
        EXPECT_FLOAT_EQ(bird->State().skillCooldown, row.cooldown);
        EXPECT_EQ(bird->State().animationMap.at("Idle"), row.idle);
        EXPECT_EQ(api::TextureOf(object), row.idle);
        EXPECT_EQ(character->portraitTexture, row.portrait);
    }
    EXPECT_EQ(api::TextureOf(Find("P1SecondarySkillCoolDown")), GetParam().skillIcon);
    EXPECT_EQ(api::TextureOf(Find("Potrait1")), GetParam().portrait);
    EXPECT_EQ(Character("Player")->keyMap["Flap"], 0x57);
    EXPECT_EQ(Character("Player2")->keyMap["Peck"], 0xBF);
}

INSTANTIATE_TEST_SUITE_P(
    FourCharacters, CharacterRowTest,
    ::testing::Values(Row{1, {2.0f, 1.5f}, {2.0f, 1.5f}, 3.5f, 3.0f, 3.0f, 2.0f, 3.0f, "RoziDoro_Idle",
                          "RoziDoro_Portrait", "OrbSkillIcon"},
                      Row{2, {3.0f, 2.0f}, {2.5f, 1.0f}, 1.0f, 3.0f, 3.0f, 2.0f, 7.0f, "VadozaVaza_Idle",
                          "VadozaVaza_Portrait", "SoundScreamSkillIcon"},
                      Row{3, {2.5f, 1.5f}, {1.5f, 1.0f}, 1.0f, 3.0f, 3.0f, 1.75f, 3.0f, "DovaDizavov_Idle",
                          "DovaDizavov_Portrait", "CannonSkillIcon"},
                      Row{4, {3.0f, 2.5f}, {2.0f, 1.5f}, 3.0f, 3.0f, 2.75f, 1.75f, 4.0f, "DoruZuvo_Idle",
                          "DoruZuvo_Portrait", "BigShitSkillIcon"}));

TEST(CharacterChoice, ByObjectName) {
    EXPECT_EQ(CharacterForObject("Player3"), 1);
    EXPECT_EQ(CharacterForObject("Player4"), 1);
    EXPECT_EQ(CharacterForObject("Scarecrow"), 3);
    EXPECT_EQ(FindCharacter(0), nullptr);
    EXPECT_STREQ(HitSoundOf(9), "event:/Bird_Hit");
}

TEST_F(BirdFixture, TheSecondControllerPutsItsBirdInTeamTwo) {
    OpenRange();
    Step();
    EXPECT_EQ(Character("Player")->team, 1);
    EXPECT_EQ(Character("Player2")->team, 2);
    ASSERT_NE(Main("Player2")->State().teamIcon.Get(), nullptr);
    EXPECT_EQ(Main("Player2")->State().teamIcon->name, "Team2_Icon");
}

// Every gameplay level: each bird wears its own player's marker, with its own
// attack or defend picture, and plays with its own slot's pad. The egg level and
// the runner list the controller after the bird's scripts, the others before.
struct MarkerCase {
    const char* level;
    bool fixedRoles;  // player 1 attacks and player 2 defends, whatever the round
};
std::ostream& operator<<(std::ostream& out, const MarkerCase& c) { return out << c.level; }

class TeamMarkerTest : public BirdFixture, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(TeamMarkerTest, EachBirdWearsItsOwnPlayersMarker) {
    OpenLevel(GetParam().level);
    Step(3);
    const struct {
        const char* bird;
        int team;
        const char* icon;
        const char* attack;
        const char* defend;
        int slot;
    } birds[] = {{"Player", 1, "Team1_Icon", "P1_Attack", "P1_Defend", 1},
                 {"Player2", 2, "Team2_Icon", "P2_Attack", "P2_Defend", 2}};
    for (const auto& b : birds) {
        SCOPED_TRACE(b.bird);
        ASSERT_NE(Character(b.bird), nullptr);
        EXPECT_EQ(Character(b.bird)->team, b.team);
        const MainPlayerBehaviour* bird = Main(b.bird);
        ASSERT_NE(bird->State().teamIcon.Get(), nullptr);
        EXPECT_EQ(bird->State().teamIcon->name, b.icon);
        const bool attacks = GetParam().fixedRoles ? b.team == 1 : birds::Bird::Of(api::Find(b.bird)).IsAttacker();
        EXPECT_EQ(api::TextureOf(bird->State().teamIcon.Get()), attacks ? b.attack : b.defend);
        EXPECT_EQ(bird->State().pad.userIndex, Engine::PlayerSlot(b.slot)->userIndex);
    }
}

INSTANTIATE_TEST_SUITE_P(GameplayLevels, TeamMarkerTest,
                         ::testing::Values(MarkerCase{"Level1", false}, MarkerCase{"Level4", true},
                                           MarkerCase{"Zurododavad", true}, MarkerCase{"PracticeRange", false},
                                           MarkerCase{"Level2", false}),
                         [](const ::testing::TestParamInfo<MarkerCase>& info) {
                             return std::string(info.param.level);
                         });

// The second bird's controller swapped for another slot's and listed first or
// last among its scripts: the team and pad follow the slot (odd user indices play
// for team two), never the order of the scripts.
struct ControllerCase {
    int slot;
    bool listedLast;  // after the bird's own scripts, as in the egg level
    int team;
};
std::ostream& operator<<(std::ostream& out, const ControllerCase& c) {
    return out << "slot " << c.slot << (c.listedLast ? " last" : " first");
}

class AnyControllerTest : public BirdFixture, public ::testing::WithParamInterface<ControllerCase> {
protected:
    // Rewrites the range's second bird with the case's controller in its place.
    void RewriteRange() {
        const std::string path = "MapData/PracticeRange.xml";
        std::string level = dir.Read(path);
        const size_t bird = level.find("<Object Name=\"Player2\">");
        ASSERT_NE(bird, std::string::npos);
        const std::string original = "<UPlayer2Controller />";
        const size_t controller = level.find(original, bird);
        ASSERT_NE(controller, std::string::npos);
        level.erase(controller, original.size());
        const std::string replacement = "<UPlayer" + std::to_string(GetParam().slot) + "Controller />";
        const std::string neighbour = GetParam().listedLast ? "<MainPlayerBehaviour />" : "<IndividualPlayerBehaviour />";
        const size_t at = level.find(neighbour, bird);
        ASSERT_NE(at, std::string::npos);
        level.insert(GetParam().listedLast ? at + neighbour.size() : at, replacement);
        dir.Write(path, level);
    }
};

TEST_P(AnyControllerTest, TheTeamAndPadFollowTheSlot) {
    RewriteRange();
    OpenRange();
    Step(3);
    const ControllerCase& c = GetParam();
    EXPECT_EQ(Character("Player2")->team, c.team);
    const MainPlayerBehaviour* bird = Main("Player2");
    ASSERT_NE(bird->State().teamIcon.Get(), nullptr);
    EXPECT_EQ(bird->State().teamIcon->name, c.team == 2 ? "Team2_Icon" : "Team1_Icon");
    EXPECT_EQ(bird->State().pad.userIndex, c.slot - 1);
    EXPECT_EQ(Character("Player")->team, 1) << "the first bird keeps its own";
}

INSTANTIATE_TEST_SUITE_P(FourSlots, AnyControllerTest,
                         ::testing::Values(ControllerCase{1, true, 1}, ControllerCase{2, true, 2},
                                           ControllerCase{3, true, 1}, ControllerCase{4, true, 2},
                                           ControllerCase{3, false, 1}, ControllerCase{4, false, 2}),
                         [](const ::testing::TestParamInfo<ControllerCase>& info) {
                             return "Slot" + std::to_string(info.param.slot) +
                                    (info.param.listedLast ? "Last" : "First");
                         });

TEST_F(BirdFixture, TheSkillKeyRunsTheSkillAndItsCooldownRestartsWhenItEnds) {
    OpenRange();
    Step(240);
    MainPlayerBehaviour* bird = Main("Player");
    ASSERT_GT(bird->State().skillTimer, bird->State().skillCooldown);
    Tap('H');
    EXPECT_TRUE(bird->State().skillRequested) << "the skill runs";
    Step(static_cast<int>(4.2f * 60));  // the longest skill, the cannon ball, runs 4 s
    EXPECT_FALSE(bird->State().skillRequested);
    EXPECT_LT(bird->State().skillTimer, 0.3f) << "the cooldown restarts";
    Tap(Engine::VK_LSHIFT);  // no ultimate ready: nothing
    EXPECT_FALSE(bird->State().ultimateReady);
}
