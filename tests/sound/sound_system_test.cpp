// The sound system in the frame: editor mode, focus, dropped files, emitters.

#include "core/core.h"
#include "core/message.h"
#include "sound/sound.h"
#include "sound/sound_emitter.h"
#include "sound_fixture.h"

using namespace sound_test;

namespace {

class SoundSystemTest : public testing::Test {
protected:
    void SetUp() override {
        WriteText(folder.File("sound.xml"), "<Sound><Volume Volume=\"1\" /><Mute Mute=\"0\" /></Sound>");
        Printed([&] { sound.Initialize(); });  // the game's own banks, from the repository root
    }

    std::vector<float> Frames(int count) {
        std::vector<float> mixed;
        for (int i = 0; i < count; ++i) {
            sound.Update(kFrameSeconds);
            auto chunk = sound.Audio()->Output()->Render(kRate / 60);
            mixed.insert(mixed.end(), chunk.begin(), chunk.end());
        }
        return mixed;
    }

    TempFolder folder;
    // Holds the run's settings (editor mode) the sound system reads.
    Engine::Core core;
    Engine::Sound sound{folder.File("sound.xml"), &Engine::AudioOutput::OpenLoopback};
};

TEST_F(SoundSystemTest, LoadsTheMasterBanksAndPublishesItself) {
    EXPECT_EQ(Engine::Sound::instance, &sound);
    EXPECT_EQ(Engine::AudioEngine::instance, sound.Audio());
    EXPECT_EQ(sound.Audio()->banks.size(), 2u);
    Engine::PlayEvent("event:/Menu_BGM");
    EXPECT_TRUE(Engine::IsEventPlaying("event:/Menu_BGM"));
    EXPECT_GT(Rms(Frames(20)), 0.01f);
}

TEST_F(SoundSystemTest, EditorModeSilencesEveryEventEveryFrame) {
    Engine::PlayEvent("event:/Menu_BGM");
    Frames(5);
    core.settings.editorMode = true;
    Frames(1);
    EXPECT_TRUE(Engine::IsEventStopped("event:/Menu_BGM"));
    Engine::PlayEvent("event:/Level_BGM");  // a script starting music in the same frame
    const auto mixed = Frames(10);
    EXPECT_TRUE(Engine::IsEventStopped("event:/Level_BGM"));
    EXPECT_LT(Rms(mixed), 0.001f);
}

TEST_F(SoundSystemTest, FocusSilencesAndRestoresUnlessThePlayerMuted) {
    struct Case {
        bool userMuted;
        bool mutedAfterReturn;
    };
    for (const Case& c : {Case{false, false}, Case{true, true}}) {
        sound.SetUserMuted(c.userMuted);
        Engine::PlayEvent("event:/Menu_BGM");
        sound.OnFocusLost();
        EXPECT_TRUE(sound.Audio()->muted);
        EXPECT_LT(Rms(Frames(10)), 0.001f);
        EXPECT_TRUE(Engine::IsEventPlaying("event:/Menu_BGM")) << "silenced, not paused";
        sound.OnFocusGained();
        EXPECT_EQ(sound.Audio()->muted, c.mutedAfterReturn);
        EXPECT_EQ(Rms(Frames(10)) > 0.01f, !c.mutedAfterReturn);
    }
}

TEST_F(SoundSystemTest, CannonStopResetsItsTargetHit) {
    const char* cannon = "event:/Zora_Cannon_Skill";
    Engine::PlayEvent(cannon);
    sound.Audio()->FindEvent(cannon)->SetCallback(&Engine::EventStoppedCallback, Engine::kEventCallbackStopped);
    Engine::SetEventParameter(1.0f, cannon, "Target_Hit");
    float value = 0.0f;
    for (int i = 0; i < 300 && !Engine::IsEventStopped(cannon); ++i) Frames(1);
    Frames(1);
    Engine::GetEventParameter(cannon, "Target_Hit", value);
    EXPECT_EQ(value, 0.0f);
}

TEST_F(SoundSystemTest, RemembersTheLastDroppedSoundFile) {
    Engine::FileDraggedMessage dropped("/home/player/theme.ogg");
    sound.SendMessage(&dropped);
    Engine::CharKeyMessage key(65, true);
    sound.SendMessage(&key);
    EXPECT_EQ(sound.LastDroppedSoundPath(), "/home/player/theme.ogg");
}

TEST(SoundEmitter, IsKindEightAndCopiesItsChannel) {
    Engine::SoundEmitter source, target;
    EXPECT_EQ(source.kind, Engine::kSoundEmitterKind);
    EXPECT_EQ(source.kind, 8);
    source.channelId = 42;
    EXPECT_EQ(source.CopyInto(&target), &target);
    EXPECT_EQ(target.channelId, 42u);
}

}  // namespace
