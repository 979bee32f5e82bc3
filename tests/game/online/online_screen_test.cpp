// The title's Online screen: reached with O or pad X, Host and Join and the
// input delay, an address typed or picked from the recent ones, the request it
// leaves for the wiring, Escape and pad B at every step, and the line the last
// online game ended with.
#include "api/online.h"
#include "core/core.h"
#include "game/online/online_screen.h"
#include "graphics/label.h"
#include "support/menu_fixture.h"
#include "wiring/recent_addresses.h"
#include "wiring/user_settings.h"

namespace {

using Engine::PadBits::kA;
using Engine::PadBits::kB;
using Engine::PadBits::kDpadDown;

struct OnlineScreenTest : MenuFixture {
    OnlineScreen* screen = nullptr;

    std::string RecentFile() { return (dir.path() + "/config/tolvex/recent_addresses.txt"); }

    void OpenOnline() {
        Start();
        Request().recentAddressesFile = RecentFile();
        Open("OnlineMenu");
        Engine::GameObj* logic = Find("OnlineLogic");
        ASSERT_NE(logic, nullptr);
        screen = logic->GetScript<OnlineScreen>();
        ASSERT_NE(screen, nullptr);
        WaitUntilRevealed();
    }
    Engine::OnlineRequest& Request() { return engine->core().online; }
    // Every label's text on the screen, one a line.
    std::string Shown() {
        std::string all;
        for (Engine::GameObj* object : engine->factory().liveObjects)
            if (object && object->GetLabel()) all += object->GetLabel()->text + "\n";
        return all;
    }
    void Type(const std::string& keys) {
        for (char c : keys) Tap(static_cast<Engine::VirtualKey>(c));
    }
    // From the first entry: the delay stepped up `delaySteps` times, then Host.
    void HostWithDelayRaisedBy(int delaySteps) {
        Type("SS" + std::string(static_cast<size_t>(delaySteps), 'D') + "WWF");
        ASSERT_EQ(screen->step, OnlineScreen::Step::Host);
    }
};

TEST_F(MenuFixture, OOrPadXOnTheTitleOpensTheOnlineScreenThatTheFootNames) {
    Open("MainMenu_KR");
    WaitUntilRevealed();
    EXPECT_NE(Find("CoopHint")->GetLabel()->text.find("O or pad X: online"), std::string::npos);
    Tap('O');
    EXPECT_TRUE(StepUntilLevel("MapData//OnlineMenu.xml", 120)) << Level();

    Open("MainMenu_KR");
    WaitUntilRevealed();
    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kX);
    EXPECT_TRUE(StepUntilLevel("MapData//OnlineMenu.xml", 120)) << Level();
}

TEST_F(OnlineScreenTest, EscapeAndPadBLeadBackAtEveryStep) {
    OpenOnline();
    // Host, back; Join, back (with Escape and with pad B); then the title.
    engine->pads().Plug(0);
    Tap('F');
    ASSERT_EQ(screen->step, OnlineScreen::Step::Host);
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(screen->step, OnlineScreen::Step::Choose);
    Tap('S');
    Tap('F');
    ASSERT_EQ(screen->step, OnlineScreen::Step::Join);
    TapPad(kB);
    EXPECT_EQ(screen->step, OnlineScreen::Step::Choose);
    Tap('F');
    ASSERT_EQ(screen->step, OnlineScreen::Step::Join);
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(screen->step, OnlineScreen::Step::Choose);
    EXPECT_FALSE(Request().pending);
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120)) << Level();
}

TEST_F(OnlineScreenTest, TheInputDelayStaysWithinOneToEightFrames) {
    OpenOnline();
    EXPECT_EQ(screen->inputDelay, 3);
    Tap('S');
    Tap('S');
    ASSERT_EQ(screen->selected, OnlineScreen::kDelay);
    for (int i = 0; i < 9; ++i) Tap('D');
    EXPECT_EQ(screen->inputDelay, 8);
    EXPECT_NE(Shown().find("< 8 frames >"), std::string::npos) << Shown();
    for (int i = 0; i < 9; ++i) Tap('A');
    EXPECT_EQ(screen->inputDelay, 1);
}

// The delay and the port chosen on the screen are kept with the player's
// settings and come back at the next start of the game.
TEST_F(OnlineScreenTest, TheChosenDelayAndPortComeBackAtTheNextStart) {
    OpenOnline();
    const int usualPort = screen->hostPort;
    ASSERT_EQ(usualPort, api::OnlinePort());
    HostWithDelayRaisedBy(2);  // delay 5
    Tap('D');
    Tap('W');  // port + 101
    Tap(Engine::VK_ESCAPE);
    Tap(Engine::VK_ESCAPE);  // back to the title
    engine.reset();          // the game quits

    const auto kept = Engine::ReadUserSettings(dir.path() + "/src/sound/sound.xml");
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->online.hostPort, usualPort + 101);
    EXPECT_EQ(kept->online.inputDelay, 5);
    OpenOnline();
    EXPECT_EQ(screen->hostPort, usualPort + 101);
    EXPECT_EQ(screen->inputDelay, 5);
    EXPECT_NE(Shown().find("< 5 frames >"), std::string::npos) << Shown();
}

TEST_F(OnlineScreenTest, HostShowsThePortAndAsksTheWiringToHost) {
    OpenOnline();
    HostWithDelayRaisedBy(1);  // delay 4
    EXPECT_NE(Shown().find(":" + std::to_string(api::OnlinePort())), std::string::npos) << Shown();
    // Another port: one up with D, a hundred up with W, one down with A.
    Tap('D');
    Tap('D');
    Tap('W');
    Tap('A');
    const int chosen = api::OnlinePort() + 101;
    EXPECT_NE(Shown().find(":" + std::to_string(chosen)), std::string::npos) << Shown();
    EXPECT_FALSE(Request().pending) << "showing the address does not open the game yet";
    Tap('F');
    EXPECT_TRUE(Request().pending);
    EXPECT_TRUE(Request().host);
    EXPECT_EQ(Request().hostPort, chosen);
    EXPECT_EQ(Request().inputDelay, 4);
    EXPECT_FALSE(engine->core().active) << "the menus' game ends for the online one";
}

TEST_F(OnlineScreenTest, ATypedAddressIsJoinedAndRemembered) {
    OpenOnline();
    Tap('S');
    Tap('F');
    ASSERT_EQ(screen->step, OnlineScreen::Step::Join);
    // The letters type (F and S are no menu keys here); Backspace takes one back.
    Type("FS");
    Tap(Engine::VK_BACK);
    Tap(Engine::VK_BACK);
    Type("127");
    Tap(Engine::VK_OEM_PERIOD);
    Tap(Engine::VK_NUMPAD0);
    Tap(Engine::VK_DECIMAL);
    Type("0");
    Tap(Engine::VK_OEM_PERIOD);
    Type("1");
    Tap(Engine::VK_OEM_1);
    Type("5000");
    EXPECT_EQ(screen->typed, "127.0.0.1:5000");
    EXPECT_NE(Shown().find("127.0.0.1:5000_"), std::string::npos) << Shown();
    EXPECT_FALSE(Request().pending);
    Tap(Engine::VK_RETURN);
    ASSERT_TRUE(Request().pending);
    EXPECT_FALSE(Request().host);
    EXPECT_EQ(Request().joinAddress, "127.0.0.1:5000");
    EXPECT_EQ(Request().inputDelay, 3);
    EXPECT_EQ(Engine::ReadRecentAddresses(RecentFile()), std::vector<std::string>{"127.0.0.1:5000"});
}

TEST_F(OnlineScreenTest, EnterWithNothingTypedSaysWhatIsMissingAndStays) {
    OpenOnline();
    Tap('S');
    Tap('F');
    Tap(Engine::VK_RETURN);
    EXPECT_FALSE(Request().pending);
    EXPECT_EQ(screen->step, OnlineScreen::Step::Join);
    EXPECT_NE(Shown().find("Type the host's address first"), std::string::npos) << Shown();
}

TEST_F(OnlineScreenTest, APadPicksARecentAddress) {
    Engine::WriteRecentAddresses((dir.path() + "/config/tolvex/recent_addresses.txt"), {"friend.example", "10.0.0.7:5000"});
    OpenOnline();
    ASSERT_EQ(screen->recent.size(), 2u);
    engine->pads().Plug(0);
    TapPad(kDpadDown);
    TapPad(kA);
    ASSERT_EQ(screen->step, OnlineScreen::Step::Join);
    EXPECT_NE(Shown().find("friend.example"), std::string::npos) << Shown();
    TapPad(kDpadDown);
    TapPad(kDpadDown);
    TapPad(kA);
    ASSERT_TRUE(Request().pending);
    EXPECT_EQ(Request().joinAddress, "10.0.0.7:5000");
    EXPECT_EQ(Engine::ReadRecentAddresses(RecentFile()), (std::vector<std::string>{"10.0.0.7:5000", "friend.example"}))
        << "the joined address moves to the front";
}

TEST_F(MenuFixture, AfterAnOnlineGameTheLoadingScreenOpensTheOnlineScreenWithItsEnd) {
    Start();
    engine->core().online.lastEnd = "The other player left the online match.";
    Open("LoadingScreen");
    ASSERT_TRUE(StepUntilLevel("MapData//OnlineMenu.xml", 400)) << "the logos are not shown again: " << Level();
    for (int i = 0; i < 5; ++i) engine->Step();
    EXPECT_EQ(Find("OnlineMessage")->GetLabel()->text, "The other player left the online match.");
    EXPECT_TRUE(engine->core().online.lastEnd.empty()) << "shown once";
}

}  // namespace
