// Emitters on the headless engine: emission timing, bursts, life and recycling,
// shrinking, motion, the order of the random draws, the pool running out, and
// what an emitter leaves behind when it goes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/color.h"
#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/particle_system.h"
#include "graphics/renderer2d.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

using namespace Engine;
using namespace Engine::graphics;

namespace {

class ParticleTest : public ::testing::Test {
protected:
    ParticleTest() {
        testing::internal::CaptureStdout();  // missing fonts and data files are reported
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        testing::internal::GetCapturedStdout();
        engine->logic().boot = false;  // these tests load their own levels
    }

    // A playing emitter on the next pooled object, placed at (x, y), with a box of
    // size 0 so particles start exactly at the owner.
    ParticleSystem& NewEmitter(float x = 0.0f, float y = 0.0f) {
        GameObj& object = *engine->factory().objectPool.at(nextObject++);
        object.active = true;
        object.transform->position = {x, y};
        object.AddComponent(kParticleSystemKind);
        ParticleSystem& emitter = *object.GetParticleSystem();
        emitter.SetEmitterTransform({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f}, 0.0f);
        emitter.playing = true;
        return emitter;
    }
    GameObj& OwnerOf(const ParticleSystem& emitter) { return *emitter.owner; }

    static Layer& World() { return *Graphics::instance->worldLayer(); }
    // The world layer without the editor's hidden highlights that always sit in it.
    static std::vector<Renderable2D*> VisibleInWorld() {
        std::vector<Renderable2D*> visible;
        for (Renderable2D* r : World().renderables)
            if (!r->hidden) visible.push_back(r);
        return visible;
    }
    static size_t InWorld(const Particles* p) {
        const auto& list = World().renderables;
        return static_cast<size_t>(std::count(list.begin(), list.end(), p));
    }
    static size_t FreeInPool() {
        return static_cast<size_t>(std::count_if(Graphics::instance->particlePool.begin(), Graphics::instance->particlePool.end(),
                                                 [](const auto& p) { return !p->alive; }));
    }

    TestSupport::ScratchDir scratch;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
    size_t nextObject = 0;
};

struct IntervalCase {
    const char* name;
    float interval;
    float dt;
    std::vector<size_t> liveAfterEachUpdate;
};

TEST_F(ParticleTest, IntervalEmissionGivesAtMostOneParticlePerUpdate) {
    const IntervalCase cases[] = {
        {"first update emits, then every 0.1 s", 0.1f, 0.05f, {1, 1, 2, 2, 3, 3}},
        {"interval 0 emits every update", 0.0f, 1.0f / 60.0f, {1, 2, 3, 4}},
        {"a long frame still emits one", 0.1f, 1.0f, {1, 2, 3}},
    };
    for (const IntervalCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleSystem& emitter = NewEmitter();
        emitter.interval = c.interval;
        for (size_t expected : c.liveAfterEachUpdate) {
            emitter.Update(c.dt);
            EXPECT_EQ(emitter.live.size(), expected);
        }
        emitter.ReleaseAll();
    }
}

TEST_F(ParticleTest, LiveListStopsAtMaxParticles) {
    ParticleSystem& emitter = NewEmitter();
    emitter.interval = 0.0f;
    emitter.maxParticles = 2;
    for (int i = 0; i < 5; ++i) emitter.Update(0.01f);
    EXPECT_EQ(emitter.live.size(), 2u);
}

TEST_F(ParticleTest, BurstFillsToMaximumInOneUpdateAndCanStopAfterIt) {
    ParticleSystem& emitter = NewEmitter(3.0f, 1.0f);
    emitter.burst = true;
    emitter.stopAfterUpdate = true;
    emitter.maxParticles = 100;
    emitter.Update(1.0f / 60.0f);

    ASSERT_EQ(emitter.live.size(), 100u);
    for (size_t i = 0; i < emitter.live.size(); ++i) {
        EXPECT_EQ(emitter.live[i], Graphics::instance->particlePool[i].get()) << "the pool is taken from its start";
        EXPECT_TRUE(emitter.live[i]->alive);
        EXPECT_EQ(InWorld(emitter.live[i]), 1u);
    }
    EXPECT_FALSE(emitter.playing);
    EXPECT_FALSE(emitter.stopAfterUpdate);

    emitter.Update(1.0f / 60.0f);
    EXPECT_EQ(emitter.live.size(), 100u) << "stopped: nothing more is emitted";
}

TEST_F(ParticleTest, NewParticlesAreSortedAmongSpritesByTheEmittersLayer) {
    Sprite back(0, 0), front(0, 0);
    back.order = 0;
    front.order = 10;
    World().Add(&front);
    World().Add(&back);
    ParticleSystem& emitter = NewEmitter();
    emitter.emitter->layer = 5;
    emitter.burst = true;
    emitter.maxParticles = 3;
    emitter.Update(0.01f);
    ASSERT_EQ(emitter.live.size(), 3u);
    Particles* p1 = emitter.live[0];
    Particles* p2 = emitter.live[1];
    Particles* p3 = emitter.live[2];
    // Each emission sorts the layers before its particle joins: the newest one
    // waits at the end for the next sort.
    EXPECT_EQ(VisibleInWorld(), (std::vector<Renderable2D*>{&back, p1, p2, &front, p3}));
    Graphics::instance->SortLayers();
    EXPECT_EQ(VisibleInWorld(), (std::vector<Renderable2D*>{&back, p1, p2, p3, &front}));
    emitter.ReleaseAll();
}

TEST_F(ParticleTest, ExpiredParticleReturnsToThePoolAndIsReused) {
    ParticleSystem& emitter = NewEmitter();
    emitter.interval = 0.0f;
    emitter.maxParticles = 1;
    emitter.lifespan = 0.1f;
    emitter.Update(0.05f);
    ASSERT_EQ(emitter.live.size(), 1u);
    Particles* first = emitter.live[0];
    EXPECT_EQ(first, Graphics::instance->particlePool[0].get());
    EXPECT_FLOAT_EQ(first->life, 0.05f);
    EXPECT_NE(first->color, 0u);

    emitter.Update(0.05f);  // full: no emission; the particle's life runs out
    EXPECT_TRUE(emitter.live.empty());
    EXPECT_FALSE(first->alive);
    EXPECT_EQ(first->color, 0u);
    EXPECT_EQ(InWorld(first), 0u);
    EXPECT_EQ(FreeInPool(), Graphics::instance->particlePool.size());

    emitter.Update(0.05f);
    ASSERT_EQ(emitter.live.size(), 1u);
    EXPECT_EQ(emitter.live[0], first) << "the first free particle of the pool again";
    EXPECT_EQ(InWorld(first), 1u);
}

TEST_F(ParticleTest, ShrinkCompoundsOnTheCurrentSizeAndPlainParticlesKeepTheConfiguredSize) {
    ParticleSystem& emitter = NewEmitter();
    emitter.interval = 10.0f;
    emitter.particleSize = {1.0f, 2.0f};
    emitter.lifespan = 1.0f;
    emitter.shrink = true;
    emitter.shrinkRate = 0.5f;
    const float dt = 0.1f;
    emitter.Update(dt);
    Particles& p = *emitter.live.at(0);
    float w = 1.0f, h = 2.0f, life = 1.0f;
    for (int frame = 0; frame < 5; ++frame) {
        if (frame > 0) emitter.Update(dt);
        life -= dt;
        w -= w * 0.5f * life * dt;
        h -= h * 0.5f * life * dt;
        EXPECT_NEAR(p.size.x, w, 1e-5f);
        EXPECT_NEAR(p.size.y, h, 1e-5f);
    }
    EXPECT_LT(p.size.x, 0.9f);

    emitter.shrink = false;
    emitter.particleSize = {0.3f, 0.4f};
    emitter.Update(dt);
    EXPECT_EQ(p.size, vec2(0.3f, 0.4f)) << "without shrinking the size follows particleSize";
}

TEST_F(ParticleTest, ParticlesTravelSpeedSquaredPerSecondAndPausedEmittersStillMoveThem) {
    ParticleSystem& emitter = NewEmitter(2.0f, -1.0f);
    emitter.interval = 10.0f;
    emitter.speed = 2.0f;
    emitter.arcA = emitter.arcB = 0.0f;  // within 0.9 degrees of straight up
    emitter.Update(0.0f);
    Particles& p = *emitter.live.at(0);
    EXPECT_EQ(p.particlePos, vec2(2.0f, -1.0f));

    emitter.paused = true;
    emitter.interval = 0.0f;
    emitter.Update(0.5f);
    EXPECT_EQ(emitter.live.size(), 1u) << "paused: no emission";
    const vec2 moved = p.particlePos - vec2(2.0f, -1.0f);
    EXPECT_NEAR(std::hypot(moved.x, moved.y), 2.0f, 1e-4f);  // 2 x 2 x 0.5
    EXPECT_GE(moved.x, -2.0f * std::sin(0.9f * kDegreesToRadians) - 1e-5f);
    EXPECT_LE(moved.x, 1e-5f);
    // The quad is centred on particlePos: its stored position is the lower-left corner.
    EXPECT_NEAR(p.position.x, p.particlePos.x - p.size.x / 2, 1e-5f);
    EXPECT_NEAR(p.position.y, p.particlePos.y - p.size.y / 2, 1e-5f);
}

TEST_F(ParticleTest, ReverseParticlesStartAtTheEndOfTheirPathAndArriveBackAtTheStart) {
    ParticleSystem& emitter = NewEmitter(1.0f, 1.0f);
    emitter.interval = 10.0f;
    emitter.speed = 2.0f;
    emitter.lifespan = 1.0f;
    emitter.reverse = true;
    emitter.arcA = emitter.arcB = 0.0f;
    emitter.Update(0.0f);
    Particles& p = *emitter.live.at(0);
    const vec2 fromStart = p.particlePos - vec2(1.0f, 1.0f);
    EXPECT_NEAR(std::hypot(fromStart.x, fromStart.y), 4.0f, 1e-4f);  // speed^2 x lifespan
    EXPECT_GT(fromStart.y, 3.9f);
    EXPECT_LT(p.velocity.y, 0.0f);

    for (int i = 0; i < 4; ++i) emitter.Update(0.25f);
    EXPECT_FALSE(p.alive);
    EXPECT_NEAR(p.particlePos.x, 1.0f, 1e-4f);
    EXPECT_NEAR(p.particlePos.y, 1.0f, 1e-4f);
}

struct DrawCase {
    const char* name;
    vec2 owner;
    float arcA, arcB;
    bool startsInside;
};

// Every random number of an emission, recomputed from the same seed in the
// documented order: two offsets, the angle, one draw per colour byte.
TEST_F(ParticleTest, EmitDrawsItsRandomNumbersInOrder) {
    const DrawCase cases[] = {
        {"starts inside the box: arcs limited to 90", {0.0f, 0.0f}, 120.0f, 100.0f, true},
        {"starts outside the box: arcs kept", {6.0f, 4.0f}, 120.0f, 100.0f, false},
        {"narrow arcs", {6.0f, 4.0f}, 0.0f, 0.0f, false},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleSystem& emitter = NewEmitter(c.owner.x, c.owner.y);
        emitter.SetEmitterTransform({0.5f, -0.5f, 0.0f}, {2.0f, 4.0f}, 30.0f);
        emitter.emitter->layer = 4;
        emitter.arcA = c.arcA;
        emitter.arcB = c.arcB;
        emitter.speed = 1.5f;
        emitter.interval = 0.0f;
        // Red varies, green is fixed, blue varies, alpha's maximum is below its minimum.
        emitter.colorMin = PackColor(10, 20, 30, 200);
        emitter.colorMax = PackColor(40, 20, 230, 100);

        Engine::Random& source = engine->core().random;
        source.Seed(1234);
        int r[7];
        for (int& v : r) v = source.Next();
        const int next = source.Next();
        source.Seed(1234);
        emitter.Update(0.0f);
        EXPECT_EQ(source.Next(), next) << "exactly seven draws";

        const Particles& p = *emitter.live.at(0);
        const float s = 2.0f;  // the box width serves both axes
        const vec2 at(0.5f + c.owner.x + ((r[0] % 20) * 0.1f - s * 0.5f),
                      -0.5f + c.owner.y + ((r[1] % 20) * 0.1f - s * 0.5f));
        EXPECT_NEAR(p.particlePos.x, at.x, 1e-5f);
        EXPECT_NEAR(p.particlePos.y, at.y, 1e-5f);
        // The box is measured at the bare offset, without the owner's position.
        const bool inside = -0.5f < at.x && at.x < 1.5f && -2.5f < at.y && at.y < 1.5f;
        ASSERT_EQ(inside, c.startsInside) << "the seed no longer gives this case";
        const float a = inside ? std::min(c.arcA, 90.0f) : c.arcA;
        const float b = inside ? std::min(c.arcB, 90.0f) : c.arcB;
        const int steps = static_cast<int>((b + a + 1.0f) * 10.0f);
        const float angle = (r[2] % steps) * 0.1f - b;
        const vec2 d = Rotated(Rotated({0.0f, 1.0f}, 30.0f), angle);
        EXPECT_NEAR(p.velocity.x, d.x * 1.5f, 1e-5f);
        EXPECT_NEAR(p.velocity.y, d.y * 1.5f, 1e-5f);
        EXPECT_EQ(p.order, 4);
        EXPECT_FLOAT_EQ(p.life, emitter.lifespan);
        EXPECT_EQ(p.color, PackColor(10 + r[3] % 31, 20, 30 + r[5] % 201, 200));
        emitter.ReleaseAll();
    }
}

TEST_F(ParticleTest, ColourChannelWithMaximumBelowMinimumStaysAtTheMinimum) {
    ParticleSystem& emitter = NewEmitter();
    emitter.interval = 0.0f;
    emitter.maxParticles = 50;
    emitter.colorMin = PackColor(200, 0, 90, 255);
    emitter.colorMax = PackColor(100, 255, 10, 255);
    for (int i = 0; i < 50; ++i) emitter.Update(0.0f);
    bool greenVaries = false;
    for (const Particles* p : emitter.live) {
        EXPECT_EQ(ColorRed(p->color), 200u);
        EXPECT_EQ(ColorBlue(p->color), 90u);
        EXPECT_EQ(ColorAlpha(p->color), 255u);
        greenVaries |= ColorGreen(p->color) != ColorGreen(emitter.live[0]->color);
    }
    EXPECT_TRUE(greenVaries);
}

TEST_F(ParticleTest, SetEmitterTransformTurnsFromTheOldRotationAndMovesLiveParticles) {
    ParticleSystem& emitter = NewEmitter(5.0f, 5.0f);
    emitter.interval = 0.0f;
    emitter.Update(0.0f);
    emitter.SetEmitterTransform({1.0f, 2.0f, 0.0f}, {3.0f, 4.0f}, 90.0f);
    EXPECT_NEAR(emitter.direction.x, -1.0f, 1e-6f);
    EXPECT_NEAR(emitter.direction.y, 0.0f, 1e-6f);
    emitter.SetEmitterTransform({1.0f, 2.0f, 0.0f}, {3.0f, 4.0f}, 180.0f);
    EXPECT_NEAR(emitter.direction.x, 0.0f, 1e-6f);
    EXPECT_NEAR(emitter.direction.y, -1.0f, 1e-6f) << "180 degrees from up, not 270";
    EXPECT_NEAR(emitter.sideDirection.x, -1.0f, 1e-6f);

    const Particles& p = *emitter.live.at(0);
    EXPECT_EQ(p.particlePos, vec2(1.0f, 2.0f));
    EXPECT_EQ(p.size, vec2(3.0f, 4.0f));
}

TEST_F(ParticleTest, ParticleModelMatchesWhatAnyRenderableComputes) {
    const struct {
        vec3 centre;
        vec2 size;
        float rotation;
    } cases[] = {{{0.3f, -7.1f, 0.0f}, {0.1f, 0.1f}, 0.0f},
                 {{-15.77f, 8.9f, 0.25f}, {0.37f, 2.5f}, 0.0f},
                 {{1e4f, -3e3f, 0.0f}, {0.01f, 0.03f}, 0.0f},
                 {{2.0f, 1.0f, 0.0f}, {1.0f, 0.5f}, 30.0f}};
    for (const auto& c : cases) {
        Particles particle(0, 0, 0, 0);
        Sprite sprite(0, 0);
        for (Renderable2D* r : {static_cast<Renderable2D*>(&particle), static_cast<Renderable2D*>(&sprite)}) {
            r->SetSize(c.size.x, c.size.y);
            r->rotation = c.rotation;
            r->SetPosition(c.centre);
        }
        EXPECT_EQ(particle.position, sprite.position);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(particle.modelMatrix.elements[i], sprite.modelMatrix.elements[i]) << i;
    }
}

// Counts what a layer hands to its renderer.
class CountingRenderer : public Renderer2D {
public:
    void submit(const Renderable2D*) override { ++plain; }
    void submitCulled(const Renderable2D*) override { ++culled; }
    void drawLines(std::vector<Line>) override {}
    void flush() override {}
    int plain = 0, culled = 0;
};

TEST_F(ParticleTest, ParticlesUseCulledSubmissionOnlyWhileActive) {
    Particles& p = *Graphics::instance->particlePool[0];
    CountingRenderer renderer;
    p.Submit(&renderer);
    EXPECT_EQ(renderer.culled, 1);
    EXPECT_EQ(renderer.plain, 0);
    p.active = false;
    p.Submit(&renderer);
    EXPECT_EQ(renderer.culled, 1);
    p.active = true;
}

TEST_F(ParticleTest, EmittersWaitWhileThePoolIsEmpty) {
    // Other users hold all but three particles.
    for (size_t i = 0; i + 3 < Graphics::instance->particlePool.size(); ++i) Graphics::instance->particlePool[i]->alive = true;
    ParticleSystem& greedy = NewEmitter();
    greedy.burst = true;
    greedy.maxParticles = 100;
    ParticleSystem& waiting = NewEmitter();
    waiting.interval = 0.0f;

    greedy.Update(0.01f);
    EXPECT_EQ(greedy.live.size(), 3u);
    for (int i = 0; i < 3; ++i) waiting.Update(0.01f);
    EXPECT_TRUE(waiting.live.empty());

    OwnerOf(greedy).ClearComponents();
    waiting.Update(0.01f);
    EXPECT_EQ(waiting.live.size(), 1u) << "a freed particle is taken at the next emission";
    for (size_t i = 0; i + 3 < Graphics::instance->particlePool.size(); ++i) Graphics::instance->particlePool[i]->alive = false;
}

TEST_F(ParticleTest, DestroyedEmitterFreesItsParticlesAndLeavesEveryList) {
    ParticleSystem& emitter = NewEmitter();
    emitter.burst = true;
    emitter.maxParticles = 5;
    emitter.Update(0.01f);
    const std::vector<Particles*> held = emitter.live;
    auto& systems = Graphics::instance->particleSystems;
    ASSERT_NE(std::find(systems.begin(), systems.end(), &emitter), systems.end());

    OwnerOf(emitter).ClearComponents();
    for (Particles* p : held) {
        EXPECT_FALSE(p->alive);
        EXPECT_EQ(p->color, 0u);
        EXPECT_EQ(p->life, 0.0f);
        EXPECT_EQ(InWorld(p), 0u);
        EXPECT_EQ(p->layerEntries, 0);
    }
    EXPECT_EQ(std::find(systems.begin(), systems.end(), &emitter), systems.end());
}

TEST_F(ParticleTest, GraphicsFrameUpdatesRegisteredEmittersOnly) {
    ParticleSystem& listed = NewEmitter();
    listed.interval = 0.0f;
    Graphics::instance->Update(1.0f / 60.0f);
    Graphics::instance->Update(1.0f / 60.0f);
    EXPECT_EQ(listed.live.size(), 2u);

    Graphics::instance->ClearLayers();  // forgets the emitters, keeps their particles
    Graphics::instance->Update(1.0f / 60.0f);
    EXPECT_EQ(listed.live.size(), 2u);
    EXPECT_EQ(InWorld(listed.live[0]), 1u);
}

TEST_F(ParticleTest, PoolFreedBeforeItsEmitterLeavesNothingDangling) {
    auto standalone = std::make_unique<GameObj>(0, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f);
    standalone->active = true;
    standalone->AddComponent(kParticleSystemKind);
    ParticleSystem& emitter = *standalone->GetParticleSystem();
    emitter.playing = true;
    emitter.burst = true;
    emitter.maxParticles = 4;
    emitter.Update(0.01f);
    ASSERT_EQ(emitter.live.size(), 4u);

    engine.reset();  // the factory frees the pool, the graphics system its layers
    EXPECT_TRUE(emitter.live.empty());
    standalone.reset();  // must not touch the freed particles
}

}  // namespace
