// The game's own banks and generated sounds: every event the game plays is
// there and audible, and every named parameter changes what is heard.

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "sound_fixture.h"

using namespace sound_test;

namespace {

const char* const kMasterBank = TOLVEX_SOURCE_DIR "/Resources/Sounds/Master Bank.bank";
const char* const kStringsBank = TOLVEX_SOURCE_DIR "/Resources/Sounds/Master Bank.strings.bank";

// Every event path the game's design names, including those whose scripts are not written yet.
const std::set<std::string> kGameEvents = {
    "event:/Armor_Destroyed", "event:/Armor_Get", "event:/Bird_Death_Meteor", "event:/Bird_Death_UFO",
    "event:/Bird_Flap", "event:/Bird_Hit", "event:/Bird_Peck", "event:/Bird_Shit", "event:/Bird_Shit_Fall",
    "event:/Boss_4Way", "event:/Boss_Arrow", "event:/Boss_Barrier", "event:/Boss_Death", "event:/Boss_Encounter",
    "event:/Boss_Energy_Get", "event:/Boss_Grab", "event:/Boss_Homing", "event:/Boss_Laser", "event:/Boss_Move",
    "event:/Boss_Scan_Down", "event:/Boss_Scan_Up", "event:/Boss_Warning", "event:/Button_Click",
    "event:/Button_Hover", "event:/Cage_Struggle", "event:/Cannon_Laser", "event:/Cannon_Laser2",
    "event:/Checkpoint_Cleared", "event:/Cooldown_Complete", "event:/Countdown_Ready", "event:/Draw_Screen",
    "event:/Eagle_Death", "event:/Eagle_Hurt", "event:/Egg_Hit", "event:/Zurododavad_BGM", "event:/Energy_Get",
    "event:/Fart_Gag", "event:/Rure_Dialogue", "event:/Rure_Fart_Skill", "event:/Rure_Farto_Ulti",
    "event:/Rure_Hit", "event:/Rure_Peck", "event:/Rure_Victory", "event:/Hazard_Get", "event:/Heal_Get",
    "event:/Invuln_Get", "event:/Zora_Cannon_Skill", "event:/Zora_Dialogue", "event:/Zora_Hit", "event:/Zora_Peck",
    "event:/Zora_Pirates_Ulti", "event:/Zora_Pirates_Ulti_Call", "event:/Zora_Victory", "event:/Zuva_Dialogue",
    "event:/Zuva_Hit", "event:/Zuva_Peck", "event:/Zuva_Scream_Skill", "event:/Zuva_Victory",
    "event:/Laxative_Get", "event:/Level_BGM", "event:/Logo_Sound", "event:/Menu_BGM", "event:/Menu_Return",
    "event:/Minion_Death", "event:/Minion_Sound", "event:/Minion_Spawn", "event:/Myna_Ball_Skill",
    "event:/Myna_Beam_Ulti", "event:/Myna_Beam_Ulti_Call", "event:/Myna_Dialogue", "event:/Myna_Hit",
    "event:/Myna_Lightning_Hit", "event:/Myna_Peck", "event:/Myna_Victory", "event:/Peck_Impact",
    "event:/Pipe_Cleared", "event:/Player_Stunned", "event:/Portal", "event:/PowerUp_Get", "event:/Round_Ready",
    "event:/Select_Bird", "event:/Select_Mode", "event:/Shit_Impact", "event:/Techno_Beat_Ulti",
    "event:/Timer_Thirty_Seconds", "event:/UFO_Attack", "event:/UFO_Enter", "event:/UFO_Exit", "event:/Ulti_Get",
    "event:/Victory_Screen"};

// Every "event:/..." string literal in the code.
std::set<std::string> EventsNamedInCode() {
    std::set<std::string> found;
    const std::regex literal("\"(event:/[A-Za-z0-9_]+)\"");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TOLVEX_SOURCE_DIR "/src")) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (std::sregex_iterator it(code.begin(), code.end(), literal), end; it != end; ++it) found.insert((*it)[1]);
    }
    return found;
}

class GameBank : public LoopbackEngine {
public:
    GameBank() {
        engine.LoadBank(kMasterBank);
        engine.LoadBank(kStringsBank);
    }
};

TEST(SoundContent, EveryEventTheGamePlaysIsInTheBankAndAudible) {
    std::set<std::string> events = kGameEvents;
    const auto inCode = EventsNamedInCode();
    events.insert(inCode.begin(), inCode.end());
    EXPECT_EQ(kGameEvents.size(), 90u);

    GameBank bank;
    ASSERT_EQ(bank.engine.banks.size(), 2u);
    for (const auto& path : events) {
        std::string printed = Printed([&] { bank.engine.PlayEvent(path); });
        EXPECT_EQ(printed, "") << path;
        ASSERT_TRUE(bank.engine.FindEvent(path)) << path << " is not in the bank";
        const float loudness = Rms(bank.Play(0.4f));
        EXPECT_GT(loudness, 0.02f) << path << " is silent";
        bank.engine.StopEvent(path, Engine::StopMode::kImmediate);
        bank.Play(0.05f);
    }
}

// Each parameter the game sets, on its event: the same run with and without
// the change must differ audibly once the change is made.
struct ParameterCase {
    const char* event;
    const char* parameter;
};
void PrintTo(const ParameterCase& c, std::ostream* out) { *out << c.event << " " << c.parameter; }
class SoundParameter : public testing::TestWithParam<ParameterCase> {};

std::vector<float> RenderRun(const ParameterCase& c, bool change) {
    GameBank bank;
    bank.engine.PlayEvent(c.event);
    bank.engine.SetEventParameter(0.0f, c.event, c.parameter);
    auto mixed = bank.Play(0.3f);
    if (change) bank.engine.SetEventParameter(1.0f, c.event, c.parameter);
    auto after = bank.Play(1.2f);
    mixed.insert(mixed.end(), after.begin(), after.end());
    return mixed;
}

TEST_P(SoundParameter, ChangesWhatIsHeard) {
    const auto plain = RenderRun(GetParam(), false);
    const auto changed = RenderRun(GetParam(), true);
    ASSERT_EQ(plain.size(), changed.size());
    std::vector<float> difference(plain.size());
    for (size_t i = 0; i < plain.size(); ++i) difference[i] = changed[i] - plain[i];
    EXPECT_LT(RmsBetween(difference, 0.0f, 0.3f), 1e-6f) << "the runs differ before the change";
    EXPECT_GT(RmsBetween(difference, 0.3f, 1.5f), 0.02f) << "the change is not heard";
}

INSTANTIATE_TEST_SUITE_P(
    GameParameters, SoundParameter,
    testing::Values(ParameterCase{"event:/Zurododavad_BGM", "Boss_Start"}, ParameterCase{"event:/Level_BGM", "Level_End"},
                    ParameterCase{"event:/Boss_Encounter", "Boss_End"}, ParameterCase{"event:/Boss_Encounter", "Boss_Start"},
                    ParameterCase{"event:/Rure_Farto_Ulti", "Target_Hit"},
                    ParameterCase{"event:/Zora_Cannon_Skill", "Target_Hit"},
                    ParameterCase{"event:/Player_Stunned", "Recover"}, ParameterCase{"event:/Menu_BGM", "Game_Start"}));

TEST(SoundContent, MusicEndingsLetTheMusicStop) {
    // The versus screen waits for the menu music to stop after "Game_Start".
    for (const ParameterCase& c : {ParameterCase{"event:/Menu_BGM", "Game_Start"}, ParameterCase{"event:/Level_BGM", "Level_End"},
                                   ParameterCase{"event:/Boss_Encounter", "Boss_End"}, ParameterCase{"event:/Player_Stunned", "Recover"}}) {
        GameBank bank;
        bank.engine.PlayEvent(c.event);
        bank.Play(0.5f);
        bank.engine.SetEventParameter(1.0f, c.event, c.parameter);
        int frames = 0;
        while (!bank.engine.IsEventStopped(c.event) && frames++ < 600) bank.Play(kFrameSeconds);
        EXPECT_TRUE(bank.engine.IsEventStopped(c.event)) << c.event << " never ends after " << c.parameter;
    }
}

}  // namespace
