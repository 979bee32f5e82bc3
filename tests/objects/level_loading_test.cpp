#include "graphics/animator.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/texture.h"
#include "objects/level_paths.h"
#include "objects_fixture.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace {

using Engine::GameObj;
using Engine::vec2;

using LevelLoadingTest = ObjectsFixture;

const char* kCrate = R"(<A Name="Crate">
    <Transform><Position X="1" Y="1" L="2"/><Scale X="1" Y="1"/></Transform>
    <SpriteRenderer><Texture T="Null"/><Color R="10" G="20" B="30" A="40"/></SpriteRenderer>
    <Rigid_Body><Mass M="3"/><isStatic S="0"/></Rigid_Body>
    <Collider><Collider_Size W="0.5" H="0.25"/></Collider>
</A>)";

TEST_F(LevelLoadingTest, EachInstanceOfAGroupCopiesTheArchetypeWithItsOverrides) {
    Archetype("Crate.xml", kCrate);
    Level(R"(<Level>
        <Group Name="Crate">
            <I><Transform><Position X="5" Y="6" L="5"/></Transform></I>
            <I><Transform><Position X="7" Y="8" L="2"/></Transform><Rigid_Body><Mass M="9"/></Rigid_Body></I>
            <I/>
        </Group>
    </Level>)");
    const auto crates = Named("Crate");
    ASSERT_EQ(crates.size(), 3u);
    EXPECT_EQ(crates[0]->transform->position, vec2(5, 6));
    EXPECT_EQ(crates[1]->transform->position, vec2(7, 8));
    EXPECT_EQ(crates[2]->transform->position, vec2(1, 1));  // no Transform: the archetype's place
    EXPECT_EQ(crates[1]->GetRigidBody()->mass, 9.0f);
    EXPECT_EQ(crates[0]->GetRigidBody()->mass, 3.0f);
    EXPECT_EQ(crates[0]->GetSprite()->color, 10u + 20u * 256u + 30u * 65536u + 40u * 16777216u);
    EXPECT_EQ(crates[0]->GetCollider()->width, 0.5f);
    // The copy's transform moved to layer 5 but its sprite keeps the archetype's order.
    EXPECT_EQ(crates[0]->transform->layer, 5);
    EXPECT_EQ(crates[0]->GetSprite()->order, 2);
    // A copy keeps its archetype's motion type (static here) unless its instance says otherwise.
    EXPECT_EQ(crates[0]->GetRigidBody()->MotionType, Engine::kStaticMotion);
    EXPECT_EQ(factory.currentLevelPath, "MapData//Test.xml");
}

TEST_F(LevelLoadingTest, ObjectsDescribedOnlyByTheLevelUseTheFirstInstance) {
    Level(R"(<Level>
        <Group Name="Floor">
            <I><Transform><Position X="0" Y="-5" L="1"/><Scale X="30" Y="1"/></Transform>
               <Rigid_Body><isStatic S="0"/></Rigid_Body><Collider/></I>
            <I><Transform><Position X="99" Y="99" L="1"/></Transform></I>
        </Group>
    </Level>)");
    const auto floors = Named("Floor");
    ASSERT_EQ(floors.size(), 2u);
    for (GameObj* floor : floors) {
        EXPECT_EQ(floor->transform->position, vec2(0, -5));
        EXPECT_EQ(floor->GetRigidBody()->MotionType, Engine::kStaticMotion);
        EXPECT_TRUE(Engine::Physics::instance->world.staticTree->Contains(floor->GetCollider()));
    }
}

TEST_F(LevelLoadingTest, AttributesAreReadByPositionNotByName) {
    Level(R"(<Level>
        <G Name="Named"><I><Transform><Position X="1" Y="2" L="3"/></Transform></I></G>
        <G Name="Renamed"><I><Transform><Position P="1" Q="2" R="3"/></Transform></I></G>
        <G Name="Swapped"><I><Transform><Position Y="2" X="1" L="3"/></Transform></I></G>
        <G Name="Text"><I><Transform><Position X=" 4.5abc" Y="junk" L="7.9"/></Transform></I></G>
    </Level>)");
    EXPECT_EQ(Named("Named")[0]->transform->position, vec2(1, 2));
    EXPECT_EQ(Named("Renamed")[0]->transform->position, vec2(1, 2));
    EXPECT_EQ(Named("Renamed")[0]->transform->layer, 3);
    EXPECT_EQ(Named("Swapped")[0]->transform->position, vec2(2, 1));
    // atof and atoi: leading blanks skipped, stop at the first stray character, no number gives 0.
    EXPECT_EQ(Named("Text")[0]->transform->position, vec2(4.5f, 0));
    EXPECT_EQ(Named("Text")[0]->transform->layer, 7);
}

TEST_F(LevelLoadingTest, TheFirstArchetypeOfANameWins) {
    Archetype("One.xml", R"(<A Name="Twin"><Transform><Position X="1" Y="0" L="0"/></Transform></A>)");
    Archetype("Two.xml", R"(<A Name="Twin"><Transform><Position X="2" Y="0" L="0"/></Transform></A>)");
    EXPECT_EQ(factory.Archetype("Twin")->transform->position.x, 1.0f);
    EXPECT_FALSE(factory.Archetype("Twin")->active);
}

TEST_F(LevelLoadingTest, NullTextureKeepsTheCurrentOne) {
    auto& slot = Engine::graphics::Graphics::instance->textures.textures["Grass"];
    slot = std::make_unique<Engine::graphics::Texture>();
    slot->columns = 5;
    Level(R"(<Level><G Name="Patch"><I>
        <SpriteRenderer><Texture T="Grass"/><Texture T="Null"/><AnimationFrameCont A="2" B="4" C="5"/></SpriteRenderer>
        <Animator><AnimationFrameCount A="1" B="3" C="0.25" D="5"/></Animator>
    </I></G></Level>)");
    GameObj* patch = Named("Patch")[0];
    EXPECT_EQ(patch->GetSprite()->texture, slot.get());
    EXPECT_EQ(patch->GetSprite()->startFrame, 1u);
    EXPECT_EQ(patch->GetSprite()->endFrame, 3u);
    ASSERT_NE(patch->GetAnimator(), nullptr);
    EXPECT_EQ(patch->GetAnimator()->frameTime, 0.25f);
    Engine::graphics::Graphics::instance->textures.textures.erase("Grass");
}

TEST_F(LevelLoadingTest, ALevelOnlyObjectKeepsWhatThePoolObjectLastHeld) {
    Level(R"(<Level><G Name="Big"><I><Transform><Scale X="3" Y="3"/></Transform></I></G></Level>)");
    GameObj* big = Named("Big")[0];
    Level(R"(<Level><G Name="Small"><I><Transform><Position X="1" Y="1" L="0"/></Transform></I></G></Level>)");
    GameObj* small = Named("Small")[0];
    EXPECT_EQ(small, big);  // the same pooled object, handed out again
    EXPECT_EQ(small->transform->scale, vec2(3, 3));
}

TEST_F(LevelLoadingTest, ButtonGroupsTakePooledButtonsWithACaption) {
    Level(R"(<Level><Button Name="Play">
        <I><Transform><Position X="0" Y="0" L="12"/></Transform><Label><Text T="Go"/></Label></I>
    </Button></Level>)");
    const Engine::Buttons* button = engine.logic().buttonPool[0].get();
    EXPECT_TRUE(button->active);
    EXPECT_EQ(button->name, "Play");
    ASSERT_NE(button->caption, nullptr);
    EXPECT_EQ(button->caption->order, 11);  // one above the layer it had when taken
    EXPECT_EQ(button->caption->text, "Go");
    Level("<Level/>");
    EXPECT_FALSE(button->active);
    EXPECT_EQ(button->name, "Button");
}

TEST_F(LevelLoadingTest, LevelPathsAreReadAndWrittenBackInKeyOrder) {
    dir.Write("MapData/LevelPaths.xml", R"(<?xml version="1.0" ?>
<!-- comment -->
<Paths>
    <MainMenu_KR P="MapData//MainMenu_KR.xml"/>
    <LoadingScreen P="old"/>
    <LoadingScreen P="MapData//LoadingScreen.xml"/>
</Paths>)");
    std::map<std::string, std::string> table;
    ASSERT_TRUE(Engine::ReadLevelPaths("MapData//LevelPaths.xml", table));
    EXPECT_EQ(table["LoadingScreen"], "MapData//LoadingScreen.xml");
    table["Added"];
    ASSERT_TRUE(Engine::WriteLevelPaths("MapData/LevelPaths.xml", table));
    EXPECT_EQ(dir.Read("MapData/LevelPaths.xml"),
              "<LevelPaths>\n"
              "    <Added Added=\"\" />\n"
              "    <LoadingScreen LoadingScreen=\"MapData//LoadingScreen.xml\" />\n"
              "    <MainMenu_KR MainMenu_KR=\"MapData//MainMenu_KR.xml\" />\n"
              "</LevelPaths>\n");
}

TEST_F(LevelLoadingTest, AnUnreadableLevelPathFileIsNeverReplaced) {
    dir.Write("MapData/LevelPaths.xml", "<Paths><Broken");
    std::map<std::string, std::string> table{{"Key", "Value"}};
    EXPECT_FALSE(Engine::WriteLevelPaths("MapData/LevelPaths.xml", table));
    EXPECT_EQ(dir.Read("MapData/LevelPaths.xml"), "<Paths><Broken");
}

}  // namespace
