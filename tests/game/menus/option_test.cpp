// The options screen: the volume slider and its ends, mute that lasts, the
// full-screen box, and going back.
#include "api/user_settings.h"
#include "game/menus/option.h"
#include "graphics/renderable2d.h"
#include "logic/game_logic.h"
#include "support/menu_fixture.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"

namespace {

struct OptionTest : MenuFixture {
    Option* option = nullptr;

    void OpenOptions() {
        Open("OptionLevel");
        Engine::GameObj* logic = Find("OptionLogic");
        ASSERT_NE(logic, nullptr);
        option = logic->GetScript<Option>();
        ASSERT_NE(option, nullptr);
        WaitUntilRevealed();
    }
    float Volume() const { return Engine::AudioEngine::instance->volume; }
    float SliderX() { return Find("VolSlider")->transform->position.x; }
    float TrackEnd(float side) {
        Engine::GameObj* track = Find("Vol_BG");
        return track->transform->position.x + side * track->transform->scale.x / 2.0f;
    }
};

TEST_F(OptionTest, TheSliderStopsAtBothEndsOfItsTrack) {
    dir.Write("src/sound/sound.xml", "<Sound>\n    <Volume Volume=\"0.5\" Music=\"1\" Effects=\"1\" />\n    <Mute Mute=\"0\" />\n</Sound>\n");
    OpenOptions();
    EXPECT_FLOAT_EQ(SliderX(), Find("Vol_BG")->transform->position.x) << "half volume sits mid-track";

    for (int i = 0; i < 7; ++i) Tap('D');
    EXPECT_FLOAT_EQ(Volume(), 1.0f);
    EXPECT_FLOAT_EQ(SliderX(), TrackEnd(+1.0f));

    // Twelve steps left: ten reach 0, the rest change nothing.
    for (int i = 0; i < 12; ++i) {
        Tap(i % 2 ? 'A' : Engine::VK_LEFT);
        EXPECT_GE(Volume(), 0.0f);
        EXPECT_GE(SliderX(), TrackEnd(-1.0f));
    }
    EXPECT_FLOAT_EQ(Volume(), 0.0f);
    EXPECT_FLOAT_EQ(SliderX(), TrackEnd(-1.0f));

    Tap(Engine::VK_RIGHT);
    EXPECT_NEAR(Volume(), 0.1f, 1e-5f);
    // The slider only answers while its row is selected.
    Tap('S');
    Tap('D');
    EXPECT_NEAR(Volume(), 0.1f, 1e-5f);
}

TEST_F(OptionTest, MuteSurvivesAFocusChangeAndARestart) {
    OpenOptions();
    Tap('S');
    ASSERT_EQ(option->selected(), Option::kMute);
    const Engine::vec2 box = Find("MuteCheck_BG")->transform->position;
    EXPECT_NE(Find("MuteCheck")->transform->position.x, box.x) << "the tick waits off the box";
    Tap('F');
    EXPECT_TRUE(Played("event:/Button_Click"));
    EXPECT_TRUE(Engine::AudioEngine::instance->muted);
    EXPECT_FLOAT_EQ(Find("MuteCheck")->transform->position.x, box.x);

    // Switching to another window and back leaves the player's mute alone.
    Engine::Sound::instance->OnFocusLost();
    Engine::Sound::instance->OnFocusGained();
    EXPECT_TRUE(Engine::AudioEngine::instance->muted);

    engine.reset();  // exit: the settings are saved
    OpenOptions();
    EXPECT_TRUE(Engine::AudioEngine::instance->muted);
    EXPECT_TRUE(option->muteChecked);
    EXPECT_FLOAT_EQ(Find("MuteCheck")->transform->position.x, box.x);

    // And unmuting comes back the same way.
    Tap('S');
    Tap('F');
    EXPECT_FALSE(Engine::AudioEngine::instance->muted);
    engine.reset();
    EXPECT_NE(dir.Read("src/sound/sound.xml").find("<Mute Mute=\"0\" />"), std::string::npos);
}

TEST_F(OptionTest, ABackgroundMuteIsNotShownAsThePlayersChoice) {
    OpenOptions();
    Engine::Sound::instance->OnFocusLost();
    Open("OptionLevel");
    option = Find("OptionLogic")->GetScript<Option>();
    EXPECT_FALSE(option->muteChecked);
}

TEST_F(OptionTest, TheFullScreenBoxFollowsTheFlag) {
    OpenOptions();
    Engine::GameLogic& logic = engine->logic();
    ASSERT_TRUE(logic.fullscreen);
    EXPECT_EQ(Find("FSCheck")->GetSprite()->color, 0xFFFFFFFFu);
    Tap('S');
    Tap('S');
    ASSERT_EQ(option->selected(), Option::kFullScreen);
    Tap('F');
    EXPECT_FALSE(logic.fullscreen);
    EXPECT_EQ(Find("FSCheck")->GetSprite()->color >> 24, 0u);
    Tap('F');
    EXPECT_TRUE(logic.fullscreen);
    EXPECT_EQ(Find("FSCheck")->GetSprite()->color >> 24, 0xFFu);
    for (int i = 0; i < 4; ++i) Tap('S');  // the last row, vsync, is as far as it goes
    EXPECT_EQ(option->selected(), Option::kVsync);
}

TEST_F(OptionTest, EscapeAndPadBGoBackToTheTitle) {
    for (bool pad : {false, true}) {
        OpenOptions();
        if (pad) {
            engine->pads().Plug(0);
            TapPad(Engine::PadBits::kB);
        } else {
            Tap(Engine::VK_ESCAPE);
        }
        EXPECT_TRUE(Played("event:/Menu_Return"));
        EXPECT_TRUE(Wipe()->leaving);
        EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120)) << (pad ? "pad B" : "Escape");
    }
}

TEST_F(OptionTest, MusicEffectsAndVsyncAreChosenApartAndSurviveARestart) {
    OpenOptions();
    for (int i = 0; i < 3; ++i) Tap('S');
    ASSERT_EQ(option->selected(), Option::kMusic);
    for (int i = 0; i < 3; ++i) Tap('A');
    Tap('S');
    ASSERT_EQ(option->selected(), Option::kEffects);
    for (int i = 0; i < 5; ++i) Tap('A');
    Tap('S');
    ASSERT_EQ(option->selected(), Option::kVsync);
    Tap('F');
    EXPECT_NEAR(api::MusicVolume(), 0.7f, 1e-4f);
    EXPECT_NEAR(api::EffectsVolume(), 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(Volume(), 1.0f) << "the master volume moved with a group's slider";
    EXPECT_FALSE(api::Vsync());
    Tap(Engine::VK_ESCAPE);

    engine.reset();  // the game closes and starts again
    Start();
    EXPECT_NEAR(api::MusicVolume(), 0.7f, 1e-4f);
    EXPECT_NEAR(api::EffectsVolume(), 0.5f, 1e-4f);
    EXPECT_FALSE(api::Vsync());
    OpenOptions();
    EXPECT_NEAR(Find("MusicSlider")->transform->position.x, Find("Music_BG")->transform->position.x + 2.0f, 1e-3f)
        << "the music slider does not show the kept volume";
    EXPECT_EQ(Find("VSCheck")->GetSprite()->color >> 24, 0u) << "the vsync box is ticked though vsync is off";
}

TEST_F(OptionTest, COrPadYOpensTheControlsScreenAndItsBackComesHere) {
    for (bool pad : {false, true}) {
        OpenOptions();
        if (pad) {
            engine->pads().Plug(0);
            TapPad(Engine::PadBits::kY);
        } else {
            Tap('C');
        }
        ASSERT_TRUE(StepUntilLevel("MapData//Controls.xml", 120)) << (pad ? "pad Y" : "C");
        WaitUntilRevealed();
        Tap(Engine::VK_ESCAPE);
        EXPECT_TRUE(StepUntilLevel("MapData//Options.xml", 120));
    }
}

}  // namespace

TEST_F(OptionTest, LeavingTheOptionsSavesVolumeAndMuteAtOnce) {
    dir.Write("src/sound/sound.xml", "<Sound>\n    <Volume Volume=\"0.5\" Music=\"1\" Effects=\"1\" />\n    <Mute Mute=\"0\" />\n</Sound>\n");
    OpenOptions();
    Tap('D');
    Tap('S');
    Tap('F');  // mute
    ASSERT_TRUE(option->muteChecked);
    EXPECT_NE(dir.Read("src/sound/sound.xml").find("Volume=\"0.5\""), std::string::npos)
        << "nothing is written while the player is still choosing";
    Tap(Engine::VK_ESCAPE);
    // A crash or a killed process from here on must not lose the choice.
    const std::string saved = dir.Read("src/sound/sound.xml");
    EXPECT_NE(saved.find("Volume=\"0.6\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("Mute=\"1\""), std::string::npos) << saved;
}
