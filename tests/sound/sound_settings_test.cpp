// The player's sound settings: read at start, written back at exit to the
// same file, atomically, and never lost.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/editor_mode.h"
#include "sound/sound.h"
#include "sound/sound_settings.h"
#include "sound_fixture.h"

using namespace sound_test;

namespace {

std::string Contents(const std::string& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The form before music and effects had volumes of their own.
std::string SettingsText(const std::string& volume, const std::string& mute) {
    return "<Sound>\n    <Volume Volume=\"" + volume + "\" />\n    <Mute Mute=\"" + mute + "\" />\n</Sound>\n";
}

std::string GroupSettingsText(const std::string& volume, const std::string& music, const std::string& effects,
                              const std::string& mute) {
    return "<Sound>\n    <Volume Volume=\"" + volume + "\" Music=\"" + music + "\" Effects=\"" + effects +
           "\" />\n    <Mute Mute=\"" + mute + "\" />\n</Sound>\n";
}

Engine::SoundSettings Settings(float volume, float music, float effects, bool muted) {
    Engine::SoundSettings settings;
    settings.volume = volume;
    settings.music = music;
    settings.effects = effects;
    settings.muted = muted;
    return settings;
}

std::unique_ptr<Engine::AudioOutput> NoOutput() { return nullptr; }

TEST(SoundSettings, WrittenFormMatchesTheShippedDefaultAndReadsBack) {
    TempFolder folder;
    const std::string file = folder.File("sound.xml");
    ASSERT_TRUE(Engine::WriteSoundSettings(file, Engine::SoundSettings{}));
    EXPECT_EQ(Contents(file), Contents(TOLVEX_SOURCE_DIR "/src/sound/sound.xml"));

    for (const Engine::SoundSettings& written : {Settings(0.25f, 0.5f, 0.75f, true), Settings(0.0f, 1.0f, 0.0f, false)}) {
        ASSERT_TRUE(Engine::WriteSoundSettings(file, written));
        const auto read = Engine::ReadSoundSettings(file);
        ASSERT_TRUE(read);
        EXPECT_TRUE(*read == written);
    }
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

// A file of the older form gives its one volume to music and effects alike.
TEST(SoundSettings, ReadsByPositionAndOnlyOneMutes) {
    struct Case {
        std::string text;
        float volume;
        bool muted;
    };
    const Case cases[] = {
        {SettingsText("0.4", "1"), 0.4f, true},
        {SettingsText("0.4", "true"), 0.4f, false},
        {SettingsText("0.4", "0"), 0.4f, false},
        {SettingsText("1.7", "01"), 1.0f, false},
        {"<A><B x=\"0.5\" /><C y=\"1\" /></A>", 0.5f, true},  // names are not looked at
    };
    TempFolder folder;
    for (const Case& c : cases) {
        WriteText(folder.File("sound.xml"), c.text);
        const auto read = Engine::ReadSoundSettings(folder.File("sound.xml"));
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(read->music, c.volume) << c.text;
        EXPECT_EQ(read->effects, c.volume) << c.text;
        EXPECT_EQ(read->volume, 1.0f) << c.text;
        EXPECT_EQ(read->muted, c.muted) << c.text;
    }
}

TEST(SoundSettings, SystemKeepsThePlayersChoiceAcrossARun) {
    TempFolder folder;
    const std::string file = folder.File("sound.xml");
    WriteText(file, SettingsText("0.3", "1"));
    {
        Engine::Sound sound(file, &NoOutput);
        Printed([&] { sound.Initialize(); });
        EXPECT_FLOAT_EQ(sound.Audio()->musicVolume, 0.3f);
        EXPECT_FLOAT_EQ(sound.Audio()->effectsVolume, 0.3f);
        EXPECT_TRUE(sound.Audio()->muted);
        EXPECT_TRUE(sound.userMuted);
        sound.SetUserMuted(false);
        sound.Audio()->SetVolume(0.7f);
        sound.OnFocusLost();  // in the background at exit: the saved choice is still the player's
    }
    EXPECT_EQ(Contents(file), GroupSettingsText("0.7", "0.3", "0.3", "0"));
}

TEST(SoundSettings, ABrokenFileNeverLeadsToAnEmptyDocument) {
    TempFolder folder;
    const std::string file = folder.File("sound.xml");
    for (const std::string& broken : {std::string("<Sound><Volume"), std::string(""), std::string("<Sound />")}) {
        WriteText(file, broken);
        {
            Engine::Sound sound(file, &NoOutput);
            const std::string printed = Printed([&] { sound.Initialize(); });
            EXPECT_NE(printed.find("sound settings"), std::string::npos) << printed;
            EXPECT_EQ(sound.Audio()->volume, 1.0f);
            EXPECT_FALSE(sound.Audio()->muted);
            sound.Audio()->SetVolume(0.5f);
        }
        EXPECT_EQ(Contents(file), GroupSettingsText("0.5", "1", "1", "0")) << "after reading: " << broken;
    }
}

TEST(SoundSettings, AnUnwritableFolderIsReportedAndNothingElseHappens) {
    TempFolder folder;
    const std::string file = folder.File("missing/sound.xml");
    std::string printed;
    {
        auto sound = std::make_unique<Engine::Sound>(file, &NoOutput);
        Printed([&] { sound->Initialize(); });
        printed = Printed([&] { sound.reset(); });
    }
    EXPECT_NE(printed.find("Could not write sound settings"), std::string::npos) << printed;
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
}

}  // namespace
