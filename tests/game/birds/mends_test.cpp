// Faults mended in the bird rules: the direction to a bird on the same spot,
// and lookups that must not see objects of an earlier level.
#include <cmath>

#include "api/script_api.h"
#include "bird_fixture.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "physics/rigid_body.h"
#include "support/bird_test_access.h"

TEST_F(BirdFixture, APeckFromTheSameSpotGivesNoNaN) {
    OpenRange();
    WaitUntilFree();
    MainPlayerBehaviour* pecker = Main("Player2");
    MainPlayerBehaviour* victim = Main("Player");
    Edit(victim).invulnerable = false;
    Edit(pecker).pecking = true;
    api::SetPosition(Bird1(), {0.0f, 0.0f});
    api::SetPosition(Bird2(), {0.0f, 0.0f});
    victim->OnCollisionEnter(Bird2());
    victim->OnCollisionStay(Bird2());
    const Engine::RigidBody* body = Bird1()->GetRigidBody();
    EXPECT_TRUE(std::isfinite(body->force.x) && std::isfinite(body->force.y));
    EXPECT_TRUE(victim->State().stunned) << "the hit still lands";
    Step(2);
    EXPECT_TRUE(std::isfinite(Bird1()->transform->position.x));
    EXPECT_TRUE(std::isfinite(Bird1()->transform->position.y));
}

TEST_F(BirdFixture, ObjectsOfAnEarlierLevelAreNotFound) {
    // A level with an egg, a stamina bar and icons, then the range without them.
    dir.Write("MapData/EggStub.xml",
              "<Level>\n"
              "    <Object Name=\"Egg\"><Instance><Transform><Position X=\"0\" Y=\"0\" Layer=\"1\" />"
              "</Transform></Instance></Object>\n"
              "    <Object Name=\"GameLevelSettings\"><Instance><Transform><Position X=\"0\" Y=\"0\" "
              "Layer=\"1\" /></Transform></Instance></Object>\n"
              "</Level>\n");
    OpenRange();
    engine->factory().LoadLevel("MapData//EggStub.xml");
    engine->Step();
    engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths["PracticeRange"]);
    engine->Step();
    EXPECT_EQ(Main("Player")->State().egg.Get(), nullptr);
    EXPECT_EQ(Main("Player")->State().levelSettings.Get(), nullptr);
    EXPECT_EQ(Round("Player")->State().egg.Get(), nullptr);
    EXPECT_TRUE(Main("Player")->State().practiceHold) << "no level rules: the practice hold runs";
}
