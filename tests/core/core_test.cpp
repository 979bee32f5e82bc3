#include "core/core.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/base_directory.h"

namespace {

using Engine::Core;
using Engine::ManualFrameClock;
using Engine::Message;

// Records every call it receives into a shared log.
class RecordingSystem : public Engine::System {
public:
    RecordingSystem(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    bool Initialize() override {
        log_.push_back(name_ + ".init");
        return initResult;
    }
    void Update(float dt) override {
        dts.push_back(dt);
        log_.push_back(name_ + ".update");
        if (onUpdate) onUpdate(dts.size());
    }
    void SendMessage(Message* m) override {
        log_.push_back(name_ + ".message" + std::to_string(m->id));
        seenActiveOnMessage = Core::instance->active;
    }

    bool initResult = true;
    bool seenActiveOnMessage = true;
    std::vector<float> dts;
    std::function<void(size_t frame)> onUpdate;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

struct CoreFixture : ::testing::Test {
    std::vector<std::string> log;
    Core core;
    ManualFrameClock clock{1000000};  // one millisecond per reading
    RecordingSystem first{"first", log};
    RecordingSystem second{"second", log};

    CoreFixture() {
        core.SetClock(&clock);
        core.Register(&first);
        core.Register(&second);
    }
    void QuitOnFrame(RecordingSystem& system, size_t frame) {
        system.onUpdate = [this, frame](size_t n) {
            if (n == frame) {
                Message quit(Engine::kQuitMessage);
                core.BroadcastMessage(&quit);
            }
        };
    }
};

TEST_F(CoreFixture, InitialisesInOrderAndStopsAtFirstFailure) {
    first.initResult = false;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(core.Initialize());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Init error\n");
    EXPECT_EQ(log, (std::vector<std::string>{"first.init"}));

    first.initResult = true;
    log.clear();
    EXPECT_TRUE(core.Initialize());
    EXPECT_EQ(log, (std::vector<std::string>{"first.init", "second.init"}));
}

TEST_F(CoreFixture, FirstFrameGetsZeroThenAtLeastASixtieth) {
    QuitOnFrame(second, 3);
    core.GameLoop();
    ASSERT_EQ(first.dts.size(), 3u);
    EXPECT_EQ(first.dts[0], 0.0f);
    // The busy-wait ends at the first reading at or past 1/60 s: 17 one-millisecond reads.
    EXPECT_FLOAT_EQ(first.dts[1], 0.017f);
    EXPECT_EQ(first.dts, second.dts);
}

TEST_F(CoreFixture, TimeScaleReachesEverySystem) {
    float timeScale = 0.5f;
    core.SetTimeScaleSource(&timeScale);
    QuitOnFrame(first, 2);
    core.GameLoop();
    ASSERT_EQ(second.dts.size(), 2u);
    EXPECT_FLOAT_EQ(first.dts[1], 0.0085f);
    EXPECT_FLOAT_EQ(second.dts[1], 0.0085f);
}

TEST_F(CoreFixture, LongFrameIsNotClamped) {
    float timeScale = 0.5f;
    core.SetTimeScaleSource(&timeScale);
    first.onUpdate = [this](size_t n) {
        if (n == 1) clock.Advance(2000000000ull);  // a two-second stall
        if (n == 2) core.active = false;
    };
    core.GameLoop();
    ASSERT_EQ(first.dts.size(), 2u);
    EXPECT_NEAR(first.dts[1], 1.0f, 0.001f);
}

TEST_F(CoreFixture, QuitClearsActiveBeforeDeliveryAndFinishesTheFrame) {
    QuitOnFrame(first, 1);
    core.GameLoop();
    EXPECT_FALSE(first.seenActiveOnMessage);
    EXPECT_FALSE(second.seenActiveOnMessage);
    // The order: the broadcast runs inside first's update, then second still updates.
    EXPECT_EQ(log, (std::vector<std::string>{"first.update", "first.message1", "second.message1", "second.update"}));
}

TEST_F(CoreFixture, GameLoopReturnsAtOnceWhenInactive) {
    core.active = false;
    core.GameLoop();
    EXPECT_TRUE(first.dts.empty());
}

TEST(BaseDirectory, TwoLevelsAboveTheExecutablesFolder) {
    const struct {
        const char* executable;
        const char* expected;
    } cases[] = {
        {"/opt/tolvex/build/release/tolvex", "/opt/tolvex/"},
        {"/a/b/c", "/"},
        {"build/release/tolvex", ""},
        {"tolvex", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Engine::BaseDirectoryFromExecutable(c.executable), c.expected) << c.executable;
}

}  // namespace

// The wait between frames sleeps for most of the sixtieth and spins only for its
// last moment, and still ends at the first reading at or past it.
TEST(FrameWait, SleepsMostOfTheFrameAndStillEndsOnTime) {
    const struct {
        const char* name;
        uint64_t frameWork;  // what the frame itself took
    } cases[] = {{"an idle frame", 0}, {"a frame with 10 ms of work", 10000000}, {"a frame with 16 ms", 16000000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Core core;
        ManualFrameClock clock{10000};  // ten microseconds per reading
        clock.advanceOnSleep = true;
        core.SetClock(&clock);
        std::vector<std::string> log;
        RecordingSystem system{"system", log};
        system.onUpdate = [&](size_t n) {
            clock.Advance(c.frameWork);
            if (n == 2) core.active = false;
        };
        core.Register(&system);
        core.GameLoop();
        ASSERT_EQ(system.dts.size(), 2u);
        EXPECT_GE(system.dts[1], Core::kFrameSeconds);
        EXPECT_LT(system.dts[1], Core::kFrameSeconds + 0.00003f);
        // Spinning through the whole wait would take well over a thousand readings.
        EXPECT_LT(clock.reads, 400u);
        // Two frames, two waits (the last frame waits too).
        const uint64_t wait = 16666668 - c.frameWork;
        if (wait > Core::kSpinNanoseconds) {
            EXPECT_EQ(clock.sleeps, 2u);
            EXPECT_GE(clock.slept, 2 * (wait - Core::kSpinNanoseconds) - 100000);
        } else {
            EXPECT_EQ(clock.sleeps, 0u);
        }
        // Never asleep past the frame's end.
        EXPECT_LE(clock.slept, 2 * wait);
    }
}

// A frame that loaded a level took the load's time; the next frame steps by one
// frame's time at most. Other long frames keep their real length.
TEST(FrameWait, TheFrameAfterALevelLoadStepsOneFrameAtMost) {
    Core core;
    ManualFrameClock clock{10000};
    clock.advanceOnSleep = true;
    core.SetClock(&clock);
    uint64_t levels = 0;
    core.SetLevelCountSource(&levels);
    std::vector<std::string> log;
    RecordingSystem system{"system", log};
    system.onUpdate = [&](size_t n) {
        if (n == 2 || n == 4) clock.Advance(200000000);  // 200 ms frames
        if (n == 2) ++levels;                            // the second one loads a level
        if (n == 5) core.active = false;
    };
    core.Register(&system);
    core.GameLoop();
    ASSERT_EQ(system.dts.size(), 5u);
    EXPECT_LE(system.dts[2], Core::kFrameSeconds) << "the frame after the load";
    EXPECT_GE(system.dts[2], Core::kFrameSeconds - 0.0001f);
    EXPECT_GT(system.dts[4], 0.19f) << "a long frame without a load keeps its length";
}
