// The event layer, heard through the loopback device: what the tests measure
// is what OpenAL actually mixed.

#include <sndfile.h>

#include "sound/audio_engine.h"
#include "sound_fixture.h"

using namespace sound_test;
using Engine::PlaybackState;
using Engine::StopMode;

namespace {

// Heard: clearly above the mixer's silence.
constexpr float kAudible = 0.05f;
constexpr float kSilent = 0.002f;

class AudioEngineTest : public testing::Test {
protected:
    void SetUp() override {
        WriteSound(folder.File("short.wav"), {{440, 0.3f}, {0, 0.2f}});
        WriteSound(folder.File("half.wav"), {{440, 0.5f}, {0, 0.5f}});
        WriteSound(folder.File("a440.wav"), {{440, 0.5f}});
        WriteSound(folder.File("a880.wav"), {{880, 0.2f}});
        WriteSound(folder.File("loop.ogg"), {{440, 0.5f}}, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        WriteBanks(folder,
                   R"(<Event id="Short" sound="short.wav" />
                      <Event id="Half" sound="half.wav" />
                      <Event id="Hum" sound="a440.wav" loop="1" />
                      <Event id="Fading" sound="a440.wav" loop="1" fadeOut="0.5" />
                      <Event id="Music" stream="1" fadeOut="1">
                        <Section name="Loop" sound="loop.ogg" loop="1" />
                        <Section name="Ending" sound="a880.wav" />
                        <Parameter name="Level_End" section="Ending" at="0.5" />
                      </Event>
                      <Event id="Shaped" sound="a440.wav" loop="1">
                        <Parameter name="Pitch" effect="pitch" from="1" to="2" />
                        <Parameter name="Loudness" effect="volume" from="1" to="0.5" />
                      </Event>
                      <Event id="Tune" sound="a440.wav" loop="1" bus="music" />
                      <Event id="Unlisted" sound="a440.wav" />
)",
                   {"Short", "Half", "Hum", "Fading", "Music", "Shaped", "Tune"});
    }

    TempFolder folder;
};

TEST_F(AudioEngineTest, PlayingTwiceInOneFrameRestartsTheOneInstance) {
    LoopbackEngine single(folder);
    single.engine.PlayEvent("event:/Hum");
    const float oneInstance = RmsBetween(single.Play(0.3f), 0.05f, 0.3f);

    LoopbackEngine twice(folder);
    twice.engine.PlayEvent("event:/Short");
    twice.Play(0.2f);
    twice.engine.PlayEvent("event:/Short");
    twice.engine.PlayEvent("event:/Short");
    const auto mixed = twice.Play(0.5f);

    EXPECT_EQ(twice.engine.events.size(), 1u);
    // Not layered: as loud as one instance.
    EXPECT_NEAR(RmsBetween(mixed, 0.02f, 0.25f), oneInstance, oneInstance * 0.1f);
    // Restarted: the 0.3 s tone now lasts until 0.3 s after the restart, not 0.1 s.
    EXPECT_GT(RmsBetween(mixed, 0.15f, 0.25f), kAudible);
    EXPECT_LT(RmsBetween(mixed, 0.35f, 0.5f), kSilent);
}

// A muted event starts at volume 0 and keeps its place: unmuted during the
// tone it is heard; unmuted after the tone's end it stays silent.
struct UnmuteCase {
    float unmuteAfter;
    bool heardAfterUnmute;
};
void PrintTo(const UnmuteCase& c, std::ostream* out) {
    *out << "unmuted after " << c.unmuteAfter << " s, " << (c.heardAfterUnmute ? "heard" : "silent");
}
class MutedStartTest : public AudioEngineTest, public testing::WithParamInterface<UnmuteCase> {};

TEST_P(MutedStartTest, IsHeardFromTheRightPointWhenUnmuted) {
    LoopbackEngine loopback(folder);
    loopback.engine.SetMuted(true);
    loopback.engine.PlayEvent("event:/Half");
    EXPECT_TRUE(loopback.engine.IsEventPlaying("event:/Half"));
    EXPECT_LT(Rms(loopback.Play(GetParam().unmuteAfter)), kSilent);

    loopback.engine.SetMuted(false);
    const float heard = RmsBetween(loopback.Play(0.1f), 0.02f, 0.1f);
    if (GetParam().heardAfterUnmute) EXPECT_GT(heard, kAudible);
    else EXPECT_LT(heard, kSilent);
}

INSTANTIATE_TEST_SUITE_P(UnmuteTimes, MutedStartTest, testing::Values(UnmuteCase{0.2f, true}, UnmuteCase{0.6f, false}));

TEST_F(AudioEngineTest, StopWithFadeOutFadesAndImmediateStopCuts) {
    LoopbackEngine fading(folder);
    fading.engine.PlayEvent("event:/Fading");
    const float full = RmsBetween(fading.Play(0.3f), 0.1f, 0.3f);
    fading.engine.StopEvent("event:/Fading");
    const auto tail = fading.Play(0.7f);
    EXPECT_FALSE(fading.engine.IsEventPlaying("event:/Fading"));
    const float early = RmsBetween(tail, 0.0f, 0.1f), late = RmsBetween(tail, 0.3f, 0.4f);
    EXPECT_LT(early, full);
    EXPECT_GT(late, kAudible * 0.2f);  // still fading, not cut
    EXPECT_LT(late, early);
    EXPECT_LT(RmsBetween(tail, 0.55f, 0.7f), kSilent);
    EXPECT_TRUE(fading.engine.IsEventStopped("event:/Fading"));

    LoopbackEngine cut(folder);
    cut.engine.PlayEvent("event:/Fading");
    cut.Play(0.3f);
    cut.engine.StopEvent("event:/Fading", StopMode::kImmediate);
    EXPECT_TRUE(cut.engine.IsEventStopped("event:/Fading"));
    EXPECT_LT(RmsBetween(cut.Play(0.2f), 0.02f, 0.2f), kSilent);
}

TEST_F(AudioEngineTest, StoppedCallbackFiresOncePerStop) {
    LoopbackEngine loopback(folder);
    int stops = 0;
    loopback.engine.LoadEvent("event:/Fading");
    loopback.engine.FindEvent("event:/Fading")->SetCallback(
        [&](uint32_t type, Engine::EventInstance&) { stops += type == Engine::kEventCallbackStopped; },
        Engine::kEventCallbackStopped);

    loopback.engine.PlayEvent("event:/Fading");
    loopback.Play(0.1f);
    loopback.engine.StopEvent("event:/Fading");
    loopback.engine.StopEvent("event:/Fading");  // a second request during the fade
    loopback.Play(0.2f);
    EXPECT_EQ(stops, 0) << "fires when the fade has ended, not when it begins";
    loopback.Play(0.5f);
    EXPECT_EQ(stops, 1);

    loopback.engine.StopAllEventsImmediately();  // already stopped: no second call
    loopback.Play(0.1f);
    EXPECT_EQ(stops, 1);

    loopback.engine.PlayEvent("event:/Fading");
    loopback.engine.StopAllEventsImmediately();
    loopback.engine.StopAllEventsImmediately();
    loopback.Play(0.1f);
    EXPECT_EQ(stops, 2);

    // A one-shot reaching its end is a stop too.
    int shortStops = 0;
    loopback.engine.LoadEvent("event:/Short");
    loopback.engine.FindEvent("event:/Short")->SetCallback([&](uint32_t, Engine::EventInstance&) { ++shortStops; },
                                                           Engine::kEventCallbackStopped);
    loopback.engine.PlayEvent("event:/Short");
    loopback.Play(0.8f);
    EXPECT_EQ(shortStops, 1);
    EXPECT_TRUE(loopback.engine.IsEventStopped("event:/Short"));
}

TEST_F(AudioEngineTest, SectionParameterPlaysTheEndingThenTheEventStops) {
    LoopbackEngine loopback(folder);
    loopback.engine.PlayEvent("event:/Music");
    loopback.engine.SetEventParameter(0.0f, "event:/Music", "Level_End");
    // Longer than the streamed OGG loop: it must wrap without a gap.
    const auto before = loopback.Play(1.5f);
    for (float t = 0.1f; t < 1.45f; t += 1.0f / 60.0f)
        ASSERT_GT(RmsBetween(before, t, t + 1.0f / 60.0f), kAudible) << "gap in the streamed loop at " << t << " s";
    EXPECT_NEAR(DominantHz(before, 0.1f, 1.4f), 440.0f, 15.0f);

    loopback.engine.SetEventParameter(1.0f, "event:/Music", "Level_End");
    float value = -1.0f;
    loopback.engine.GetEventParameter("event:/Music", "Level_End", value);
    EXPECT_EQ(value, 1.0f);
    const auto after = loopback.Play(0.5f);
    EXPECT_NEAR(DominantHz(after, 0.03f, 0.18f), 880.0f, 30.0f);
    EXPECT_LT(RmsBetween(after, 0.3f, 0.5f), kSilent);
    EXPECT_TRUE(loopback.engine.IsEventStopped("event:/Music"));
}

TEST_F(AudioEngineTest, PitchAndVolumeParametersChangeTheSound) {
    LoopbackEngine loopback(folder);
    loopback.engine.PlayEvent("event:/Shaped");
    const auto plain = loopback.Play(0.4f);
    loopback.engine.SetEventParameter(1.0f, "event:/Shaped", "Pitch");
    const auto raised = loopback.Play(0.4f);
    loopback.engine.SetEventParameter(1.0f, "event:/Shaped", "Loudness");
    const auto softer = loopback.Play(0.4f);

    EXPECT_NEAR(DominantHz(plain, 0.1f, 0.4f), 440.0f, 15.0f);
    EXPECT_NEAR(DominantHz(raised, 0.1f, 0.4f), 880.0f, 30.0f);
    EXPECT_NEAR(RmsBetween(softer, 0.1f, 0.4f) / RmsBetween(raised, 0.1f, 0.4f), 0.5f, 0.05f);
}

TEST_F(AudioEngineTest, MasterVolumeIsClampedAndScalesWhatIsHeard) {
    struct Case {
        float requested, stored;
    };
    LoopbackEngine loopback(folder);
    loopback.engine.PlayEvent("event:/Hum");
    const float full = RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f);
    for (const Case& c : {Case{1.7f, 1.0f}, Case{-0.2f, 0.0f}, Case{0.5f, 0.5f}}) {
        loopback.engine.SetVolume(c.requested);
        EXPECT_EQ(loopback.engine.volume, c.stored);
        EXPECT_NEAR(RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f), full * c.stored, 0.02f) << c.requested;
    }
}

TEST_F(AudioEngineTest, TheMusicBusFollowsTheMusicVolumeAndEverythingElseTheEffectsVolume) {
    LoopbackEngine loopback(folder);
    loopback.engine.PlayEvent("event:/Tune");
    const float full = RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f);
    ASSERT_GT(full, 0.05f);
    loopback.engine.SetEffectsVolume(0.2f);
    EXPECT_NEAR(RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f), full, 0.02f) << "the effects volume reached the music";
    loopback.engine.SetMusicVolume(0.5f);
    EXPECT_NEAR(RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f), full * 0.5f, 0.02f);
    loopback.engine.SetVolume(0.5f);  // the master scales both
    EXPECT_NEAR(RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f), full * 0.25f, 0.02f);

    loopback.engine.StopEvent("event:/Tune", Engine::StopMode::kImmediate);
    loopback.engine.SetVolume(1.0f);
    loopback.engine.PlayEvent("event:/Hum");
    EXPECT_NEAR(RmsBetween(loopback.Play(0.3f), 0.1f, 0.3f), full * 0.2f, 0.02f) << "an effect ignored its volume";
}

TEST_F(AudioEngineTest, UnknownEventsAndMissingBanksPrintTheErrorLineAndPlayNothing) {
    LoopbackEngine loopback(folder);
    EXPECT_EQ(Printed([&] { loopback.engine.PlayEvent("event:/Nowhere"); }), "FMOD ERROR 74\n");
    EXPECT_EQ(Printed([&] { loopback.engine.PlayEvent("event:/Nowhere"); }), "FMOD ERROR 74\n") << "every attempt";
    // In the master bank but not in the strings bank: no path leads to it.
    EXPECT_EQ(Printed([&] { loopback.engine.PlayEvent("event:/Unlisted"); }), "FMOD ERROR 74\n");
    EXPECT_FALSE(loopback.engine.IsEventPlaying("event:/Nowhere"));
    EXPECT_TRUE(loopback.engine.IsEventStopped("event:/Nowhere")) << "an event with no instance counts as stopped";
    EXPECT_LT(Rms(loopback.Play(0.2f)), kSilent);

    loopback.engine.PlayEvent("event:/Hum");
    EXPECT_EQ(Printed([&] { loopback.engine.SetEventParameter(1.0f, "event:/Hum", "Nothing"); }), "FMOD ERROR 74\n");

    LoopbackEngine bankless;
    EXPECT_EQ(Printed([&] { bankless.engine.LoadBank(folder.File("Missing.bank")); }), "FMOD ERROR 18\n");
    WriteText(folder.File("Broken.bank"), "<Bank><Event id=\"X\" sound=\"a440.wav\"></Bank>");
    EXPECT_EQ(Printed([&] { bankless.engine.LoadBank(folder.File("Broken.bank")); }), "FMOD ERROR 13\n");
    EXPECT_TRUE(bankless.engine.banks.empty());
    EXPECT_EQ(Printed([&] { bankless.engine.PlayEvent("event:/Hum"); }), "FMOD ERROR 74\n");
    EXPECT_LT(Rms(bankless.Play(0.2f)), kSilent);
}

TEST_F(AudioEngineTest, AMissingSoundFileIsReportedOnceAndItsEventStillEnds) {
    WriteBanks(folder, R"(<Event id="Ghost" sound="absent.wav" />)", {"Ghost"});
    LoopbackEngine loopback(folder);
    const std::string printed = Printed([&] { loopback.engine.PlayEvent("event:/Ghost"); });
    EXPECT_NE(printed.find("absent.wav"), std::string::npos) << printed;
    EXPECT_EQ(Printed([&] { loopback.engine.PlayEvent("event:/Ghost"); }), "");
    loopback.Play(0.1f);
    EXPECT_TRUE(loopback.engine.IsEventStopped("event:/Ghost"));
}

TEST_F(AudioEngineTest, WithoutAnyMixerOneShotsEndAndLoopsKeepPlaying) {
    Engine::AudioEngine engine(nullptr);
    engine.LoadBank(folder.File("Master Bank.bank"));
    engine.LoadBank(folder.File("Master Bank.strings.bank"));
    engine.PlayEvent("event:/Short");
    engine.PlayEvent("event:/Music");
    engine.Update(kFrameSeconds);
    EXPECT_TRUE(engine.IsEventStopped("event:/Short"));
    EXPECT_TRUE(engine.IsEventPlaying("event:/Music"));
    engine.SetEventParameter(1.0f, "event:/Music", "Level_End");
    engine.Update(kFrameSeconds);
    engine.Update(kFrameSeconds);
    EXPECT_TRUE(engine.IsEventStopped("event:/Music")) << "a script waiting for the music's end must not wait forever";
}

TEST_F(AudioEngineTest, ASilentDefaultOutputStillLetsTimePass) {
    std::unique_ptr<Engine::AudioOutput> output;
    Printed([&] { output = Engine::AudioOutput::OpenDefault(); });
    if (!output || !output->IsSilent()) GTEST_SKIP() << "this machine has a sound device";
    Engine::AudioEngine engine(std::move(output));
    engine.LoadBank(folder.File("Master Bank.bank"));
    engine.LoadBank(folder.File("Master Bank.strings.bank"));
    engine.PlayEvent("event:/Short");
    for (int i = 0; i < 20; ++i) engine.Update(kFrameSeconds);
    EXPECT_TRUE(engine.IsEventPlaying("event:/Short"));
    for (int i = 0; i < 20; ++i) engine.Update(kFrameSeconds);
    EXPECT_TRUE(engine.IsEventStopped("event:/Short"));
}

}  // namespace
