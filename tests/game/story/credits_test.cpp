// The credits: back to the title screen on Escape or B once the screen is
// open, with the return sound; and the lines name the game's own sources.
#include "api/script_api.h"
#include "game/story/credit_scene_behaviour.h"
#include "story_fixture.h"

namespace {

struct CreditsTest : StoryFixture {
    void SetUp() override {
        Start();
        Open("CreditsLevel");
    }
};

TEST_F(CreditsTest, EscapeOrBGoesBackToTheTitle) {
    const struct {
        const char* what;
        bool pad;
    } backs[] = {{"Escape", false}, {"B on pad 1", true}};
    for (const auto& back : backs) {
        SCOPED_TRACE(back.what);
        Open("CreditsLevel");
        WaitUntilRevealed();
        Played("event:/Menu_Return");
        engine->Step(30);
        if (back.pad)
            TapPad(Engine::PadBits::kB);
        else
            Tap(Engine::VK_ESCAPE);
        EXPECT_TRUE(Played("event:/Menu_Return"));
        EXPECT_TRUE(Wipe()->leaving);
        EXPECT_TRUE(StepUntilLevel(kMainMenuPath));
    }
}

TEST_F(CreditsTest, NothingElseLeavesAndNothingLeavesBeforeTheScreenIsOpen) {
    Tap(Engine::VK_ESCAPE);
    EXPECT_FALSE(Wipe()->leaving) << "Escape while the wipe was still opening";
    WaitUntilRevealed();
    Tap('F');
    Tap(Engine::VK_RETURN);
    TapPad(Engine::PadBits::kA);
    TapPad(Engine::PadBits::kB, 1);  // player 2's pad
    EXPECT_FALSE(Wipe()->leaving);
    EXPECT_FALSE(Played("event:/Menu_Return"));
}

TEST_F(CreditsTest, TheLinesNameEachFontAndLibraryWithItsLicence) {
    std::string all;
    for (Engine::GameObj* object : api::LiveObjects()) all += api::TextOf(object) + "\n";
    const char* const expected[] = {
        "Liberation Sans 2 (Red Hat, Google) - SIL Open Font License 1.1",
        "Eurofurence (tobias b koehler) - SIL Open Font License 1.1",
        "Cherry Bomb (satsuyako, Marc Foley) - SIL Open Font License 1.1",
        "SDL2 - zlib License",
        "GLEW - Modified BSD License",
        "SOIL - public domain",
        "TinyXML - zlib License",
        "FreeType - FreeType License",
        "Dear ImGui - MIT License",
        "OpenAL Soft - GNU LGPL 2 or later",
        "libsndfile - GNU LGPL 2.1 or later",
        "tools/art",
        "tools/make_sounds.py",
    };
    for (const char* line : expected) EXPECT_NE(all.find(line), std::string::npos) << line << "\n" << all;
}

}  // namespace
