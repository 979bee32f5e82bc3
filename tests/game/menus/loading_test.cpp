// From the first frame to the title screen: the logo stages, the texture list
// read to the end, the archetypes, and the level-path table left as it was.
#include <sstream>

#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "support/menu_fixture.h"

namespace {

std::string Texture(Engine::GameObj* object) {
    Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    if (!sprite || !sprite->texture) return "";
    for (const auto& [name, texture] : Engine::graphics::textureRegistry)
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
    EXPECT_TRUE(Engine::graphics::allTexturesLoaded);
    EXPECT_NE(engine->factory().Archetype("TransitionBird"), nullptr);
    EXPECT_NE(Find("TransitionBird"), nullptr) << "the title screen's wipe comes from its archetype";
    EXPECT_NE(Find("Play"), nullptr);
}

TEST_F(MenuFixture, ALongTextureListKeepsTheLoadingScreenUntilItIsRead) {
    // 4,000 more entries take 800 frames at five a frame: longer than the logos.
    std::ostringstream extra;
    for (int i = 0; i < 4000; ++i)
        extra << "    <Texture Name=\"Extra" << i << "\">\n        <File Path=\"Resources/Textures/Extra.png\" />\n"
              << "        <Column Column=\"1\" />\n        <Row Row=\"1\" />\n        <Frame Frame=\"1\" />\n"
              << "    </Texture>\n";
    std::string list = dir.Read("Objects/Textures/Texture.xml");
    list.insert(list.rfind("</Texture>"), extra.str());
    dir.Write("Objects/Textures/Texture.xml", list);

    Start();
    int frames = 0;
    while (Level() == "MapData//LoadingScreen.xml" && frames < 2000) {
        ASSERT_FALSE(Engine::graphics::allTexturesLoaded && frames < 790) << "the list ended too early";
        engine->Step();
        ++frames;
    }
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    EXPECT_GE(frames, 800);
    EXPECT_TRUE(Engine::graphics::allTexturesLoaded);
}

TEST_F(MenuFixture, ARunThatChangesNothingLeavesTheLevelPathTableByteIdentical) {
    const std::string before = dir.Read("MapData/LevelPaths.xml");
    Start();
    ASSERT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 1000));
    engine.reset();  // the game logic writes the table back
    EXPECT_EQ(dir.Read("MapData/LevelPaths.xml"), before);
}

}  // namespace
