// The player's settings file across starts of the game: what the player chose
// (controls, full screen, vsync, both volumes, the online port and delay) comes back at the next start; a
// damaged file gives the defaults and one line and is left alone until the
// player changes something; a file from before the two volumes gives its one
// volume to both.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "api/actions.h"
#include "api/online.h"
#include "api/script_api.h"
#include "api/user_settings.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"
#include "wiring/user_settings.h"

namespace {

constexpr const char* kFile = "src/sound/sound.xml";

using Engine::Action;

struct SettingsFileTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    SettingsFileTest() { dir.CopyGameData(false); }
    // A start of the game: the boot frame and one more.
    void Start() {
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->Step(2);
    }
    // The end of the game: the systems go, as at a quit.
    void Stop() { engine.reset(); }
};

int LinesMentioning(const std::string& text, const std::string& word) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);)
        if (line.find(word) != std::string::npos) ++count;
    return count;
}

TEST_F(SettingsFileTest, EveryChoiceSurvivesARestart) {
    Start();
    Engine::ActionMap controls = api::Actions();
    ASSERT_TRUE(controls.SetKey(1, Action::kFlap, 'Q'));
    ASSERT_TRUE(controls.SetPad(2, Action::kPeck, Engine::kButtonRightShoulder));
    api::SetActions(controls);
    api::SetMusicVolume(0.3f);
    api::SetEffectsVolume(0.7f);
    api::SetVsync(false);
    api::KeepOnlineChoices(5000, 7);
    // F1 switches full screen off, as a player would.
    ASSERT_TRUE(engine->logic().fullscreen);
    engine->keys().Press(Engine::VK_F1);
    engine->Step();
    engine->keys().Release(Engine::VK_F1);
    engine->Step();
    ASSERT_FALSE(engine->logic().fullscreen);
    Stop();

    Start();
    EXPECT_EQ(api::Actions(), controls);
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'Q');
    EXPECT_FLOAT_EQ(api::MusicVolume(), 0.3f);
    EXPECT_FLOAT_EQ(api::EffectsVolume(), 0.7f);
    EXPECT_FALSE(api::Vsync());
    EXPECT_EQ(api::ChosenHostPort(), 5000);
    EXPECT_EQ(api::ChosenInputDelay(), 7);
    EXPECT_FALSE(engine->logic().fullscreen) << "the full-screen choice was forgotten";
    // Switching back is kept too.
    api::ToggleFullScreen();
    Stop();
    Start();
    EXPECT_TRUE(engine->logic().fullscreen);
}

TEST_F(SettingsFileTest, ADamagedFileGivesTheDefaultsAndOneLineAndStaysUntilAChange) {
    const char* damaged[] = {
        "<Settings>\n    <Volume Volume=\"1\" Music=\"0.2\" Eff",  // cut off mid-write
        "not a settings file at all",
        "",
    };
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        dir.Write(kFile, text);
        testing::internal::CaptureStdout();
        Start();
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(LinesMentioning(output, kFile), 1) << output;
        EXPECT_EQ(api::Actions(), Engine::ActionMap());
        EXPECT_FLOAT_EQ(api::MusicVolume(), 1.0f);
        EXPECT_TRUE(engine->logic().fullscreen);
        Stop();
        EXPECT_EQ(dir.Read(kFile), text) << "written over though nothing changed";
    }
    Start();
    api::SetMusicVolume(0.5f);
    Stop();
    const auto read = Engine::ReadUserSettings(dir.path() + "/" + kFile);
    ASSERT_TRUE(read.has_value());
    EXPECT_FLOAT_EQ(read->sound.music, 0.5f);
    EXPECT_EQ(read->controls, Engine::ActionMap());
}

TEST_F(SettingsFileTest, TheOldSingleVolumeIsReadAsBothVolumes) {
    dir.Write(kFile, "<Sound>\n    <Volume Volume=\"0.4\" />\n    <Mute Mute=\"1\" />\n</Sound>\n");
    Start();
    EXPECT_FLOAT_EQ(api::MusicVolume(), 0.4f);
    EXPECT_FLOAT_EQ(api::EffectsVolume(), 0.4f);
    EXPECT_FLOAT_EQ(api::Volume(), 1.0f);
    EXPECT_TRUE(api::PlayerMuted());
    EXPECT_EQ(api::Actions(), Engine::ActionMap());
    Stop();
}

TEST_F(SettingsFileTest, AHandEditedFileNeverGivesOneKeyToTwoActions) {
    dir.Write(kFile,
              "<Settings><Volume Volume=\"1\" /><Mute Mute=\"0\" /><Controls><Player Number=\"1\">"
              "<Flap Key=\"F\" Pad=\"Nonsense\" /><Skill Key=\"No such key\" /></Player></Controls></Settings>");
    Start();
    const Engine::ActionMap map = api::Actions();
    EXPECT_EQ(map.KeyOf(1, Action::kFlap), 'F');
    EXPECT_EQ(map.KeyOf(1, Action::kPeck), 'W') << "the peck key was not handed the flap's old key";
    EXPECT_EQ(map.PadOf(1, Action::kFlap), Engine::kButtonA);
    EXPECT_EQ(map.KeyOf(1, Action::kSkill), 0);
    Stop();
}

// A hand-edited port or delay out of its range (or no number at all) keeps the usual one.
TEST_F(SettingsFileTest, AnOnlinePortOrDelayOutOfRangeKeepsTheUsualOne) {
    const struct {
        const char* online;
        int port, delay;
    } cases[] = {
        {"<Online Port=\"6000\" InputDelay=\"8\" />", 6000, 8},
        {"<Online Port=\"80\" InputDelay=\"0\" />", 47360, 3},
        {"<Online Port=\"70000\" InputDelay=\"9\" />", 47360, 3},
        {"<Online Port=\"x\" />", 47360, 3},
        {"", 47360, 3},
    };
    for (const auto& c : cases) {
        dir.Write(kFile, std::string("<Settings><Volume Volume=\"1\" /><Mute Mute=\"0\" />") + c.online +
                             "</Settings>");
        const auto read = Engine::ReadUserSettings(dir.path() + "/" + kFile);
        ASSERT_TRUE(read.has_value()) << c.online;
        EXPECT_EQ(read->online.hostPort, c.port) << c.online;
        EXPECT_EQ(read->online.inputDelay, c.delay) << c.online;
    }
}

}  // namespace
