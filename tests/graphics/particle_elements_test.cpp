// The "ParticleSystem" element of level and archetype files, copies spawned from
// an archetype, and what a level change does to emitters and their particles.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/particle_system.h"
#include "graphics/texture.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

using namespace Engine;
using namespace Engine::graphics;

namespace {

constexpr const char* kTextureList = R"(<Texture>
  <Texture Name="Particle_CircleWhite"><File Path="none.png"/><Column Column="1"/><Row Row="1"/><Frame Frame="1"/></Texture>
  <Texture Name="Spark"><File Path="none.png"/><Column Column="1"/><Row Row="1"/><Frame Frame="1"/></Texture>
</Texture>)";

// One object built from the level alone, holding the given "ParticleSystem" settings.
std::string LevelWithEmitter(const std::string& settings) {
    return "<Level><Fountain name=\"Fountain\"><I><Transform><Position x=\"1\" y=\"2\" l=\"0\"/></Transform>"
           "<ParticleSystem>" +
           settings + "</ParticleSystem></I></Fountain></Level>";
}

class ParticleElementTest : public ::testing::Test {
protected:
    ParticleElementTest() {
        scratch.Write("Objects/Textures/Texture.xml", kTextureList);
        testing::internal::CaptureStdout();
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        testing::internal::GetCapturedStdout();
        engine->logic().boot = false;  // these tests load their own levels
    }

    ParticleSystem& Load(const std::string& settings) {
        scratch.Write("MapData/Emitter.xml", LevelWithEmitter(settings));
        engine->factory().LoadLevel("MapData//Emitter.xml");
        GameObj* object = GameObj::FindObject("Fountain");
        if (!object || !object->GetParticleSystem()) throw std::runtime_error("the level built no emitter");
        return *object->GetParticleSystem();
    }
    static size_t ParticlesInWorld() {
        const auto& list = Graphics::instance->worldLayer()->renderables;
        return static_cast<size_t>(std::count_if(list.begin(), list.end(), [](const Renderable2D* r) {
            return dynamic_cast<const Particles*>(r) != nullptr;
        }));
    }

    TestSupport::ScratchDir scratch;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
};

TEST_F(ParticleElementTest, EverySettingIsReadByPositionWhateverItsAttributeNames) {
    ParticleSystem& e = Load(R"(
        <Position p="0.5" q="-1.5" r="7"/>
        <Size a="3" b="2"/>
        <Rotation z="90"/>
        <pSize w="0.2" h="0.3"/>
        <pVelocity v="2.5"/>
        <Intensity n="40"/>
        <EmissionRate per_second="4"/>
        <isPlaying a="1" b="1" c="1" d="1"/>
        <LifeSpan s="1.5"/>
        <Texture t="Spark"/>
        <Arc_of_Fire from="30" to="45"/>
        <Color low="4278190335" high="-1"/>
        <DownScale rate="0.5" on="1"/>
        <Unknown x="1"/>)");
    EXPECT_EQ(e.emitter->position, vec2(0.5f, -1.5f));
    EXPECT_EQ(e.emitter->layer, 7);
    EXPECT_EQ(e.emitter->scale, vec2(3.0f, 2.0f));
    EXPECT_FLOAT_EQ(e.emitter->rotation, 90.0f);
    EXPECT_NEAR(e.direction.x, -1.0f, 1e-6f);
    EXPECT_NEAR(e.direction.y, 0.0f, 1e-6f);
    EXPECT_NEAR(e.sideDirection.y, 1.0f, 1e-6f);
    EXPECT_EQ(e.particleSize, vec2(0.2f, 0.3f));
    EXPECT_FLOAT_EQ(e.speed, 2.5f);
    EXPECT_EQ(e.maxParticles, 40u);
    EXPECT_FLOAT_EQ(e.interval, 0.25f);
    EXPECT_TRUE(e.playing && e.secondFlag && e.reverse && e.burst);
    EXPECT_FLOAT_EQ(e.lifespan, 1.5f);
    EXPECT_EQ(e.texture, FindTexture("Spark"));
    EXPECT_NE(e.texture, nullptr);
    EXPECT_FLOAT_EQ(e.arcA, 30.0f);
    EXPECT_FLOAT_EQ(e.arcB, 45.0f);
    EXPECT_EQ(e.colorMin, 0xFF0000FFu);
    EXPECT_EQ(e.colorMax, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(e.shrinkRate, 0.5f);
    EXPECT_TRUE(e.shrink);
    EXPECT_FALSE(e.paused) << "built during a level load";
    EXPECT_EQ(e.owner, GameObj::FindObject("Fountain"));
}

TEST_F(ParticleElementTest, SettingsNotGivenKeepDefaultsButTheBoxIsZero) {
    ParticleSystem& e = Load("");
    EXPECT_EQ(e.emitter->position, vec2(0.0f, 0.0f));
    EXPECT_EQ(e.emitter->scale, vec2(0.0f, 0.0f));
    EXPECT_EQ(e.direction, vec2(0.0f, 1.0f));
    EXPECT_FLOAT_EQ(e.interval, 0.1f);
    EXPECT_EQ(e.maxParticles, 100u);
    EXPECT_FLOAT_EQ(e.lifespan, 5.0f);
    EXPECT_EQ(e.texture, FindTexture("Particle_CircleWhite"));
    EXPECT_FALSE(e.playing);
    EXPECT_EQ(e.colorMin, 0xFFFFFFFFu);
}

struct FlagCase {
    const char* attributes;
    bool playing, second, reverse, burst;
};

TEST_F(ParticleElementTest, IsPlayingReadsOnlyTheValuesItHas) {
    const FlagCase cases[] = {
        {R"(a="1")", true, false, false, false},
        {R"(a="2" b="7")", true, true, false, false},
        {R"(a="0" b="0" c="1")", false, false, true, false},
        {R"(a="1" b="0" c="0" d="1")", true, false, false, true},
        {R"(a="0" b="0" c="0" d="0")", false, false, false, false},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.attributes);
        ParticleSystem& e = Load(std::string("<isPlaying ") + c.attributes + "/>");
        EXPECT_EQ(e.playing, c.playing);
        EXPECT_EQ(e.secondFlag, c.second);
        EXPECT_EQ(e.reverse, c.reverse);
        EXPECT_EQ(e.burst, c.burst);
    }
}

TEST_F(ParticleElementTest, EmissionRateZeroEmitsEveryFrame) {
    ParticleSystem& e = Load(R"(<EmissionRate n="0"/><isPlaying a="1"/>)");
    EXPECT_EQ(e.interval, 0.0f);
    for (int i = 0; i < 3; ++i) Graphics::instance->Update(1.0f / 60.0f);
    EXPECT_EQ(e.live.size(), 3u);
}

TEST_F(ParticleElementTest, MissingValuesAreReportedAndKeepWhatWasThere) {
    testing::internal::CaptureStdout();
    ParticleSystem& e = Load(R"(<pSize w="0.5"/><DownScale r="2"/><Texture/><Texture t="NoSuchTexture"/>)");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(e.particleSize, vec2(0.5f, 0.1f));
    EXPECT_FLOAT_EQ(e.shrinkRate, 2.0f);
    EXPECT_FALSE(e.shrink);
    EXPECT_EQ(e.texture, FindTexture("Particle_CircleWhite")) << "an unknown texture name keeps the texture";
    EXPECT_NE(out.find("\"pSize\" lacks value 2"), std::string::npos) << out;
    EXPECT_NE(out.find("\"DownScale\" lacks value 2"), std::string::npos) << out;
}

constexpr const char* kFountainArchetype = R"(<Archetype name="Fountain">
  <Transform><Position x="0" y="0" l="3"/></Transform>
  <ParticleSystem>
    <Position x="0.5" y="1" l="6"/><Size w="2" h="1"/><Rotation r="90"/>
    <EmissionRate n="3"/><isPlaying a="1" b="0" c="1"/><Intensity n="12"/>
    <Color a="4278190335" b="4294967295"/><DownScale r="0.25" on="1"/><pVelocity v="3"/>
  </ParticleSystem>
</Archetype>)";

TEST_F(ParticleElementTest, SpawnedCopyTakesTheArchetypesEmitterAndRuns) {
    scratch.Write("Objects/Fountain.xml", kFountainArchetype);
    engine->factory().LoadArchetype("Fountain.xml");
    GameObj* prototype = engine->factory().Archetype("Fountain");
    ASSERT_NE(prototype, nullptr);

    GameObj* copy = engine->factory().SpawnArchetype("Fountain", 4.0f, 5.0f);
    ASSERT_NE(copy, nullptr);
    ParticleSystem& e = *copy->GetParticleSystem();
    ParticleSystem& source = *prototype->GetParticleSystem();
    EXPECT_EQ(e.owner, copy);
    EXPECT_FALSE(e.paused);
    EXPECT_TRUE(e.playing);
    EXPECT_TRUE(e.reverse);
    EXPECT_EQ(e.maxParticles, 12u);
    EXPECT_FLOAT_EQ(e.interval, 1.0f / 3.0f);
    EXPECT_EQ(e.emitter->position, vec2(0.5f, 1.0f));
    EXPECT_EQ(e.emitter->scale, vec2(2.0f, 1.0f));
    EXPECT_EQ(e.emitter->layer, 6);
    EXPECT_EQ(e.colorMin, 0xFF0000FFu);
    EXPECT_TRUE(e.shrink);
    EXPECT_FLOAT_EQ(e.shrinkRate, 0.25f);
    EXPECT_FLOAT_EQ(e.speed, 3.0f);
    // The copy fires where the archetype fires (turned by 90 degrees).
    EXPECT_NEAR(e.direction.x, source.direction.x, 1e-6f);
    EXPECT_NEAR(e.direction.y, source.direction.y, 1e-6f);
    EXPECT_NEAR(e.sideDirection.y, 1.0f, 1e-6f);

    auto& systems = Graphics::instance->particleSystems;
    EXPECT_NE(std::find(systems.begin(), systems.end(), &e), systems.end());
    Graphics::instance->Update(1.0f / 60.0f);
    ASSERT_EQ(e.live.size(), 1u);
    EXPECT_EQ(e.live[0]->order, 6);
    EXPECT_TRUE(source.live.empty()) << "the prototype plays too but is not in play";
}

TEST_F(ParticleElementTest, CopiedIntervalGoesThroughAWholeRate) {
    ParticleSystem& source = Load("");
    GameObj& other = *engine->factory().objectPool.back();
    other.AddComponent(kParticleSystemKind);
    ParticleSystem& copy = *other.GetParticleSystem();
    const struct {
        float interval, copied;
    } cases[] = {{0.1f, 0.1f}, {0.3f, 1.0f / 3.0f}, {0.0f, 0.0f}, {2.0f, 0.0f}};
    for (const auto& c : cases) {
        source.interval = c.interval;
        source.CopyInto(&copy);
        EXPECT_FLOAT_EQ(copy.interval, c.copied) << c.interval;
    }
    other.ClearComponents();
}

TEST_F(ParticleElementTest, LevelChangeHandsEveryParticleBack) {
    ParticleSystem& e = Load(R"(<isPlaying a="1" b="0" c="0" d="1"/><Intensity n="25"/>)");
    Graphics::instance->Update(1.0f / 60.0f);
    ASSERT_EQ(e.live.size(), 25u);
    EXPECT_EQ(ParticlesInWorld(), 25u);

    scratch.Write("MapData/Empty.xml", "<Level/>");
    engine->factory().LoadLevel("MapData//Empty.xml");
    EXPECT_EQ(ParticlesInWorld(), 0u);
    EXPECT_TRUE(Graphics::instance->particleSystems.empty());
    EXPECT_TRUE(std::none_of(Graphics::instance->particlePool.begin(), Graphics::instance->particlePool.end(), [](const auto& p) { return p->alive; }));
}

}  // namespace
