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
#include "support/gl_window_fixture.h"
#include "support/scratch_dir.h"
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

class ParticleRenderTest : public TestSupport::GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        TestSupport::PrepareRenderFiles(scratch);
        TestImages::WriteSolid("white.tga", TestImages::kWhite);
        scratch.Write("Objects/Textures/Texture.xml",
                      "<Texture><Texture Name=\"Particle_CircleWhite\"><File Path=\"white.tga\"/>"
                      "<Column Column=\"1\"/><Row Row=\"1\"/><Frame Frame=\"1\"/></Texture></Texture>");
        scratch.Write("MapData/Particles.xml", kLevel);
        core = std::make_unique<Core>();
        graphics = std::make_unique<graphics::Graphics>(window->handle(), kWidth, kHeight, "");
        graphics->showSetupFailure = nullptr;
        factory = std::make_unique<GameObjectFactory>();
        logic = std::make_unique<GameLogic>();
        logic->boot = false;
        core->Register(factory.get());
        core->Register(logic.get());
        core->Register(graphics.get());
        ASSERT_TRUE(core->Initialize());
        graphics->Resize(0, 0, kWidth, kHeight);  // camera at the origin, zoom 1
        factory->LoadLevel("MapData//Particles.xml");
    }
    void TearDown() override {
        logic.reset();
        factory.reset();
        graphics.reset();
        core.reset();
        GlWindowTest::TearDown();
    }
    // Red pixels whose world position lies in the rectangle. The texture fades to
    // its transparent border at a quad's rim, so reddish counts as red.
    int RedPixels(float x0, float x1, float y0, float y1) const {
        int count = 0;
        for (int py = 0; py < kHeight; ++py)
            for (int px = 0; px < kWidth; ++px) {
                const float x = (px + 0.5f) / 10.0f - 16.0f, y = 9.0f - (py + 0.5f) / 10.0f;
                if (x <= x0 || x >= x1 || y <= y0 || y >= y1) continue;
                const TestSupport::Rgba c = window->Pixel(px, py);
                if (c.r > 100 && c.g < 40 && c.b < 40) ++count;
            }
        return count;
    }

    TestSupport::ScratchDir scratch;
    std::unique_ptr<Core> core;
    std::unique_ptr<graphics::Graphics> graphics;
    std::unique_ptr<GameObjectFactory> factory;
    std::unique_ptr<GameLogic> logic;
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
