// An emitter fixture level drawn on a real GL window: particles show up around
// their emitter, and a particle that crosses the edge of the view is not drawn.

#include <gtest/gtest.h>

#include <memory>

#include "core/core.h"
#include "graphics/graphics.h"
#include "graphics/particle_system.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "level_scene.h"
#include "support/gl_window_fixture.h"
#include "test_images.h"

using namespace Engine;
using TestSupport::Near;

namespace {

// Motionless red particles (speed 0): a cloud in a 4 x 4 box left of centre, one
// spot wholly inside the right edge and one spot straddling it.
constexpr const char* kLevel = R"(<Level>
  <Cloud name="Cloud"><I>
    <Transform><Position x="-8" y="0" l="1"/></Transform>
    <ParticleSystem>
      <Size w="4" h="4"/><pSize w="0.5" h="0.5"/><pVelocity v="0"/><Intensity n="300"/>
      <isPlaying a="1" b="0" c="0" d="1"/><Color min="4278190335" max="4278190335"/>
    </ParticleSystem>
  </I></Cloud>
  <Inside name="Inside"><I>
    <Transform><Position x="15.5" y="5" l="1"/></Transform>
    <ParticleSystem>
      <pSize w="0.5" h="0.5"/><pVelocity v="0"/><Intensity n="1"/>
      <isPlaying a="1" b="0" c="0" d="1"/><Color min="4278190335" max="4278190335"/>
    </ParticleSystem>
  </I></Inside>
  <Straddling name="Straddling"><I>
    <Transform><Position x="15.9" y="-5" l="1"/></Transform>
    <ParticleSystem>
      <pSize w="0.5" h="0.5"/><pVelocity v="0"/><Intensity n="1"/>
      <isPlaying a="1" b="0" c="0" d="1"/><Color min="4278190335" max="4278190335"/>
    </ParticleSystem>
  </I></Straddling>
</Level>
)";

class ParticleRenderTest : public LevelSceneTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        TestImages::WriteSolid("white.tga", TestImages::kWhite);
        StartScene("<Texture><Texture Name=\"Particle_CircleWhite\"><File Path=\"white.tga\"/>"
                   "<Column Column=\"1\"/><Row Row=\"1\"/><Frame Frame=\"1\"/></Texture></Texture>",
                   "MapData//Particles.xml", kLevel);
    }
    // The texture fades to its transparent border at a quad's rim, so reddish counts as red.
    int RedPixels(float x0, float x1, float y0, float y1) const {
        return LevelSceneTest::RedPixels(x0, x1, y0, y1, 100, 40);
    }
};

TEST_F(ParticleRenderTest, EmittedParticlesAreDrawnAroundTheirEmitterAndCulledAtTheEdge) {
    graphics->DrawFrame(0.0f);  // the frame's update bursts every emitter, then draws
    ASSERT_EQ(GameObj::FindObject("Cloud")->GetParticleSystem()->live.size(), 300u);

    // Centres fall in x -10 .. -7.1 and y -2 .. 0.9 (box offsets on a 0.1 grid), each
    // quad reaching 0.25 further (counted with a pixel to spare).
    const int cloud = RedPixels(-10.4f, -6.7f, -2.4f, 1.3f);
    const int cloudArea = 34 * 34;
    EXPECT_GT(cloud, cloudArea / 2) << "most of the box is covered";
    EXPECT_TRUE(Near(window->WorldPixel(0.0f, 0.0f), 0, 0, 0));
    EXPECT_EQ(RedPixels(-16.0f, 15.0f, -9.0f, 9.0f) - cloud, 0) << "nothing outside the cloud";

    EXPECT_TRUE(Near(window->WorldPixel(15.5f, 5.0f), 255, 0, 0)) << "wholly inside the view";
    EXPECT_EQ(RedPixels(15.0f, 16.0f, -6.0f, -4.0f), 0) << "crossing the edge: not drawn at all";

    // The cloud's particles live on; once the emitter goes they leave the screen.
    GameObj::FindObject("Cloud")->ClearComponents();
    graphics->DrawFrame(0.0f);
    EXPECT_EQ(RedPixels(-10.4f, -6.7f, -2.4f, 1.3f), 0);
    EXPECT_TRUE(Near(window->WorldPixel(15.5f, 5.0f), 255, 0, 0));
}

}  // namespace
