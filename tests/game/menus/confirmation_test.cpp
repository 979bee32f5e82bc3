// The quit question: "No" first, "Yes" ends the program at the end of the frame,
// nothing before the screen is open, and nothing at all without a wipe.
#include "game/menus/confirmation.h"
#include "game/menus/loading_logic.h"
#include "support/menu_fixture.h"

namespace {

struct ConfirmationTest : MenuFixture {
    Confirmation* question = nullptr;
    void SetUp() override {
        Open("CSelection");
        question = Find("QuitLogic")->GetScript<Confirmation>();
        ASSERT_NE(question, nullptr);
    }
};

TEST_F(ConfirmationTest, YesEndsTheProgramWhenTheFrameEnds) {
    Tap('W');
    EXPECT_FALSE(question->yesSelected) << "the screen is still opening";
    WaitUntilRevealed();
    EXPECT_FALSE(question->yesSelected);
    Tap('W');
    EXPECT_TRUE(question->yesSelected);
    EXPECT_TRUE(Played("event:/Button_Hover"));
    EXPECT_NEAR(Find("Yes")->transform->scale.y, 1.3f, 0.05f) << "the selected answer grows";
    EXPECT_NEAR(Find("No")->transform->scale.y, 0.7f, 1e-5f);
    Tap('W');
    EXPECT_TRUE(Played("event:/Button_Hover")) << "a move that changes nothing still sounds";
    ASSERT_TRUE(engine->core().active);
    engine->keys().Press('F');
    engine->Step();
    EXPECT_FALSE(engine->core().active);
    EXPECT_TRUE(Played("event:/Button_Click"));
    EXPECT_EQ(Level(), "MapData//QuitConfirmation.xml");
}

TEST_F(ConfirmationTest, EitherPlayersPadAnswers) {
    WaitUntilRevealed();
    engine->pads().Plug(1);
    TapPad(Engine::PadBits::kDpadUp, 1);
    EXPECT_TRUE(question->yesSelected);
    TapPad(Engine::PadBits::kDpadDown, 1);
    EXPECT_FALSE(question->yesSelected);
    TapPad(Engine::PadBits::kA, 1);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    EXPECT_TRUE(engine->core().active);
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120));
}

TEST_F(MenuFixture, WithoutAWipeTheQuestionNeverAnswers) {
    std::string level = dir.Read("MapData/QuitConfirmation.xml");
    const size_t copy = level.find("<Copy Archetype=\"TransitionBird\">");
    level.erase(copy, level.find("</Copy>", copy) + 7 - copy);
    dir.Write("MapData/BareQuestion.xml", level);
    Start();
    LoadArchetypeList();
    engine->factory().LoadLevel("MapData//BareQuestion.xml");
    engine->Step(120);
    Tap('W');
    Tap('F');
    EXPECT_TRUE(engine->core().active);
    EXPECT_FALSE(Find("QuitLogic")->GetScript<Confirmation>()->yesSelected);
}

}  // namespace
