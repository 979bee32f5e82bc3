// From the first frame to the title screen: the logo stages, the texture list
// read to the end, the archetypes, the progress bar, and the level-path table
// left as it was.
#include <cmath>
#include <sstream>

#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "support/menu_fixture.h"

namespace {

std::string Texture(Engine::GameObj* object) {
    Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    if (!sprite || !sprite->texture) return "";
    for (const auto& [name, texture] : Engine::graphics::Graphics::instance->textures.textures)
        if (texture.get() == sprite->texture) return name;
    return "?";
}

TEST_F(MenuFixture, TheLogoSequenceEndsInTheTitleScreenOnceTheTexturesAreIn) {
    Start();
    ASSERT_EQ(Level(), "MapData//LoadingScreen.xml");
    Engine::GameObj* background = Find("LoadingBG");
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(Texture(background), "AA_Brennic_Logo");

    // Stage by stage: (seconds since boot, texture shown then).
    const struct {
        float seconds;
        const char* texture;
    } stages[] = {{1.9f, "AA_Brennic_Logo"},  {2.1f, "AA_Talvik_Logo"},     {5.9f, "AA_Talvik_Logo"},
                  {6.1f, "AA_Controller_Logo"}, {8.1f, "AA_Loading_Screen"}, {9.9f, "AA_Loading_Screen"}};
    int frame = 0;
    bool logoSoundPlayed = false;
    for (const auto& stage : stages) {
        while (frame * TestSupport::HeadlessEngine::kFrame < stage.seconds) {
            engine->Step();
            ++frame;
            logoSoundPlayed = logoSoundPlayed || Played("event:/Logo_Sound");
        }
        ASSERT_EQ(Level(), "MapData//LoadingScreen.xml") << stage.seconds << " s";
        EXPECT_EQ(Texture(background), stage.texture) << stage.seconds << " s";
    }
    EXPECT_TRUE(logoSoundPlayed);
    // The loading animation sits small in the lower right and plays its five cells.
    EXPECT_FLOAT_EQ(background->transform->position.x, 13.0f);
    EXPECT_FLOAT_EQ(background->transform->position.y, -6.5f);
    EXPECT_EQ(background->GetSprite()->endFrame, 5u);

    ASSERT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 30));
    EXPECT_TRUE(Engine::graphics::Graphics::instance->textures.allLoaded);
    EXPECT_NE(engine->factory().Archetype("TransitionBird"), nullptr);
    EXPECT_NE(Find("TransitionBird"), nullptr) << "the title screen's wipe comes from its archetype";
    EXPECT_NE(Find("Play"), nullptr);
}

bool Hidden(Engine::GameObj* object) { return object && object->GetSprite() && object->GetSprite()->hidden; }

// The bar's fill width as a share of its track's, and whether its left end sits on the track's.
struct BarState {
    float share;
    bool visible;
    bool leftAligned;
};

BarState Bar(Engine::GameObj* track, Engine::GameObj* fill) {
    const float trackWidth = track->transform->scale.x;
    const float fillWidth = fill->transform->scale.x;
    const float trackLeft = track->transform->position.x - trackWidth * 0.5f;
    const float fillLeft = fill->transform->position.x - fillWidth * 0.5f;
    return {fillWidth / trackWidth, !Hidden(track) && !Hidden(fill), std::fabs(fillLeft - trackLeft) < 1e-4f};
}

// Appends 4,000 entries to the texture list: 800 frames at five a frame, longer than the logos.
void LengthenTextureList(TestSupport::ScratchDir& dir) {
    std::ostringstream extra;
    for (int i = 0; i < 4000; ++i)
        extra << "    <Texture Name=\"Extra" << i << "\">\n        <File Path=\"Resources/Textures/Extra.png\" />\n"
              << "        <Column Column=\"1\" />\n        <Row Row=\"1\" />\n        <Frame Frame=\"1\" />\n"
              << "    </Texture>\n";
    std::string list = dir.Read("Objects/Textures/Texture.xml");
    list.insert(list.rfind("</Texture>"), extra.str());
    dir.Write("Objects/Textures/Texture.xml", list);
}

TEST_F(MenuFixture, ALongTextureListKeepsTheLoadingScreenUntilItIsRead) {
    LengthenTextureList(dir);
    Start();
    int frames = 0;
    while (Level() == "MapData//LoadingScreen.xml" && frames < 2000) {
        ASSERT_FALSE(Engine::graphics::Graphics::instance->textures.allLoaded && frames < 790) << "the list ended too early";
        engine->Step();
        ++frames;
    }
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    EXPECT_GE(frames, 800);
    EXPECT_TRUE(Engine::graphics::Graphics::instance->textures.allLoaded);
}

TEST_F(MenuFixture, TheProgressBarAdvancesWithALongLoadAndIsFullWhenTheTitleOpens) {
    LengthenTextureList(dir);
    Start();
    Engine::GameObj* track = Find("LoadingBarTrack");
    Engine::GameObj* fill = Find("LoadingBarFill");
    ASSERT_NE(track, nullptr);
    ASSERT_NE(fill, nullptr);

    BarState last = Bar(track, fill);
    BarState firstShown{-1.0f, false, false};
    int shownFrames = 0;
    int advancesWhileShown = 0;
    while (Level() == "MapData//LoadingScreen.xml" && shownFrames < 2000) {
        if (last.visible) {
            if (firstShown.share < 0.0f) firstShown = last;
            ++shownFrames;
        }
        engine->Step();
        if (Level() != "MapData//LoadingScreen.xml") break;
        const BarState now = Bar(track, fill);
        ASSERT_GE(now.share, last.share) << "the bar never goes back";
        ASSERT_TRUE(now.leftAligned) << "the fill grows from the track's left end";
        if (now.visible && now.share > last.share) ++advancesWhileShown;
        last = now;
    }
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    ASSERT_GE(firstShown.share, 0.0f) << "the bar was never shown";
    EXPECT_GT(firstShown.share, 0.3f) << "the load went on during the logos";
    EXPECT_LT(firstShown.share, 0.8f) << "shown with the loading animation, a long load is not done yet";
    EXPECT_GE(advancesWhileShown, 100) << "the bar grows a little every frame of the load";
    EXPECT_TRUE(last.visible);
    EXPECT_FLOAT_EQ(last.share, 1.0f) << "the last frame of the loading screen shows the bar full";
}

TEST_F(MenuFixture, WithAQuickLoadTheBarIsHiddenDuringTheLogosAndThenFullAtOnce) {
    Start();
    Engine::GameObj* track = Find("LoadingBarTrack");
    Engine::GameObj* fill = Find("LoadingBarFill");
    ASSERT_NE(track, nullptr);
    ASSERT_NE(fill, nullptr);
    int frame = 0;
    bool shown = false;
    while (Level() == "MapData//LoadingScreen.xml" && frame < 2000) {
        const BarState bar = Bar(track, fill);
        const bool logos = frame * TestSupport::HeadlessEngine::kFrame < 7.9f;
        if (logos) {
            ASSERT_FALSE(bar.visible) << "frame " << frame << ": the logos fill the screen alone";
        } else if (bar.visible) {
            shown = true;
            ASSERT_FLOAT_EQ(bar.share, 1.0f) << "frame " << frame << ": a load done during the logos shows a full bar";
        }
        engine->Step();
        ++frame;
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
}

TEST_F(MenuFixture, ARunThatChangesNothingLeavesTheLevelPathTableByteIdentical) {
    const std::string before = dir.Read("MapData/LevelPaths.xml");
    Start();
    ASSERT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 1000));
    engine.reset();  // the game logic writes the table back
    EXPECT_EQ(dir.Read("MapData/LevelPaths.xml"), before);
}

}  // namespace
