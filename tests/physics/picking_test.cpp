// The level editor's mouse tools on a small fixture level, driven through the
// scripted keyboard and mouse and the mouse position the window hands the
// graphics system.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/editor_mode.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "logic/picking.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

using Engine::VK_LBUTTON;
using Engine::VK_LCONTROL;
using Engine::VK_RBUTTON;

std::string Box(const std::string& name, float x, float y, float w, float h, int layer, float rotation = 0) {
    return "<G Name=\"" + name + "\"><I><Transform><Position X=\"" + std::to_string(x) + "\" Y=\"" +
           std::to_string(y) + "\" L=\"" + std::to_string(layer) + "\"/><Scale X=\"" + std::to_string(w) +
           "\" Y=\"" + std::to_string(h) + "\"/><Rotation R=\"" + std::to_string(rotation) +
           "\"/></Transform><SpriteRenderer/></I></G>";
}

struct PickingTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
    Engine::Picking* picking = nullptr;

    void SetUp() override {
        testing::internal::CaptureStdout();
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->core().settings.editorMode = true;
        engine->Step();  // the boot frame
        picking = engine->systems().picking;
        // A at the origin, turned by 30, B to its right, C above B, and a small D
        // on a higher layer over A's upper right corner.
        dir.Write("MapData//Edit.xml", "<Level>" + Box("A", 0, 0, 2, 2, 1, 30) + Box("B", 6, 0, 2, 2, 1) +
                                           Box("C", 6, 5, 2, 2, 1) + Box("D", 0.75f, 0.6f, 0.5f, 0.5f, 3) +
                                           "</Level>");
        engine->factory().LoadLevel("MapData//Edit.xml");
        testing::internal::GetCapturedStdout();
        // Zoom 1 at the origin: the 1280 x 720 client area shows x in [-16, 16], y in [-9, 9].
        Engine::graphics::Camera::main->ResetView();
    }
    void TearDown() override { engine.reset(); }

    static Engine::GameObj* Object(const std::string& name) { return Engine::GameObj::FindObject(name); }
    static Engine::vec2 Position(const std::string& name) { return Object(name)->transform->position; }
    std::deque<Engine::EditorSnapshot>& history() { return engine->logic().UndoHistory; }

    // One frame with the mouse at world point (x, y) and the given buttons and keys held.
    void Frame(float x, float y, bool left, bool ctrl = false, bool right = false) {
        Engine::graphics::Graphics::instance->SetMousePosition((x / 32.0 + 0.5) * 1280.0, (0.5 - y / 18.0) * 720.0);
        auto& keys = engine->keys();
        keys.Set(VK_LBUTTON, left);
        keys.Set(VK_LCONTROL, ctrl);
        keys.Set(VK_RBUTTON, right);
        engine->Step();
    }
    void ChooseTool(char key) {
        engine->keys().Press(VK_LCONTROL);
        engine->keys().Press(key);
        engine->Step();
        engine->keys().Release(key);
        engine->keys().Release(VK_LCONTROL);
        engine->Step();
    }
    // Press at `from`, drag through `to`, let go there.
    void Drag(Engine::vec2 from, Engine::vec2 to) {
        Frame(from.x, from.y, true);
        Frame(to.x, to.y, true);
        Frame(to.x, to.y, false);
    }
    const Engine::graphics::Renderable2D& Highlight(size_t i) const { return *picking->highlights[i]; }
};

void ExpectAt(const Engine::vec2& actual, float x, float y) {
    EXPECT_NEAR(actual.x, x, 1e-4);
    EXPECT_NEAR(actual.y, y, 1e-4);
}

TEST_F(PickingTest, ClickPicksTheTopmostObjectAndEmptySpaceDropsTheSelection) {
    Frame(0.75f, 0.7f, true);  // D lies over A here
    EXPECT_EQ(picking->picked, Object("D"));
    Frame(0.75f, 0.7f, false);
    Frame(-0.5f, 0.0f, true);  // only A
    EXPECT_EQ(picking->picked, Object("A"));
    EXPECT_EQ(picking->selectedObject, Object("A"));
    Frame(-0.5f, 0.0f, false);
    // The highlight follows the selected object, one layer above it.
    EXPECT_FALSE(Highlight(0).hidden);
    EXPECT_EQ(Highlight(0).owner, Object("A")->transform.get());
    EXPECT_EQ(Highlight(0).order, 2);
    EXPECT_TRUE(Highlight(1).hidden);
    // A re-pick onto empty space: what is under the mouse (nothing) replaces the selection.
    Frame(10.0f, -6.0f, true);
    Frame(10.0f, -6.0f, false);
    EXPECT_EQ(picking->picked, nullptr);
    EXPECT_EQ(picking->selectedObject, nullptr);
    EXPECT_TRUE(Highlight(0).hidden);
    // And a re-pick onto another object selects that one.
    Frame(6.0f, 0.0f, true);
    Frame(6.0f, 0.0f, false);
    Frame(-0.5f, 0.0f, true);
    EXPECT_EQ(picking->picked, Object("A"));
    EXPECT_EQ(picking->selectedObject, Object("A"));
    Frame(-0.5f, 0.0f, false);
    Frame(6.0f, 5.0f, true);  // C, while A is picked
    Frame(6.0f, 5.0f, false);
    EXPECT_EQ(picking->selectedObject, Object("C"));
    EXPECT_EQ(Highlight(0).owner, Object("C")->transform.get());
}

TEST_F(PickingTest, MoveKeepsTheGrabOffsetAndSnapshotsEachDragStart) {
    Frame(-0.5f, 0.5f, true);  // grab A half a unit left of and above its centre
    Frame(3.5f, 2.5f, true);
    ExpectAt(Position("A"), 4.0f, 2.0f);
    Frame(-2.5f, -1.5f, true);
    ExpectAt(Position("A"), -2.0f, -2.0f);
    Frame(-2.5f, -1.5f, false);
    ASSERT_EQ(history().size(), 1u);
    const Engine::EditorSnapshot::Entry& entry = history().back().entries.at(0);
    EXPECT_EQ(entry.original, Object("A"));
    ExpectAt(entry.copy->transform->position, 0.0f, 0.0f);  // taken before anything moved
    EXPECT_EQ(entry.copy->transform->rotation, 30.0f);
    ASSERT_NE(entry.copy->GetSprite(), nullptr);
    EXPECT_TRUE(entry.copy->GetSprite()->hidden);
    EXPECT_FALSE(entry.copy->active);
    // Another drag, another snapshot; the copies are not part of the level.
    Drag({-2.0f, -2.0f}, {0.0f, 0.0f});
    ExpectAt(Position("A"), 0.0f, 0.0f);
    EXPECT_EQ(history().size(), 2u);
    EXPECT_EQ(Engine::GameObj::FindObject("A"), Object("A"));
}

TEST_F(PickingTest, RotateWrapsIntoAFullTurn) {
    ChooseTool('W');
    EXPECT_EQ(picking->tool, Engine::Picking::kRotate);
    const struct {
        float x, y, rotation;
    } path[] = {{-1, -1, 255}, {1, -1, 345}, {0, 1, 120}, {-1, 0, 210}};
    Frame(0.9f, 0.0f, true);  // grab A at angle 0 while it is turned by 30
    EXPECT_FLOAT_EQ(picking->angleOffset, 330.0f);
    for (const auto& p : path) {
        Frame(p.x, p.y, true);
        EXPECT_NEAR(Object("A")->transform->rotation, p.rotation, 1e-3) << p.x << ", " << p.y;
    }
    ExpectAt(Position("A"), 0.0f, 0.0f);
    const struct {
        float in, out;
    } wraps[] = {{360, 0}, {-360, 0}, {725, 5}, {-1, 359}, {359.5f, 359.5f}, {-1e-7f, 0}};
    for (const auto& w : wraps) {
        EXPECT_NEAR(Engine::WrapDegrees(w.in), w.out, 1e-3) << w.in;
        EXPECT_LT(Engine::WrapDegrees(w.in), 360.0f);
    }
}

TEST_F(PickingTest, ScaleAddsTheMouseDelta) {
    ChooseTool('E');
    Frame(0.5f, 0.5f, true);
    Frame(1.5f, -0.25f, true);
    const Engine::vec2 scale = Object("A")->transform->scale;
    EXPECT_NEAR(scale.x, 3.0f, 1e-4);
    EXPECT_NEAR(scale.y, 1.25f, 1e-4);
    Frame(0.0f, 1.0f, true);
    EXPECT_NEAR(Object("A")->transform->scale.x, 1.5f, 1e-4);
    EXPECT_NEAR(Object("A")->transform->scale.y, 2.5f, 1e-4);
    ExpectAt(Position("A"), 0.0f, 0.0f);
}

TEST_F(PickingTest, BoxSelectionThenMovingRotatingAndClearingTheSelection) {
    Frame(-2.0f, -2.0f, true, true);  // Left Ctrl: the first corner, in empty space
    Frame(7.5f, 1.5f, true, true);
    EXPECT_TRUE(picking->dragging);
    EXPECT_FALSE(picking->boxSprite->hidden);
    ExpectAt(picking->boxTransform.position, 2.75f, -0.25f);
    ExpectAt(picking->boxTransform.scale, 9.5f, 3.5f);
    Frame(7.5f, 1.5f, false, true);  // let go: everything the box touches is selected
    EXPECT_TRUE(picking->boxSprite->hidden);
    EXPECT_FALSE(picking->dragging);
    ASSERT_EQ(picking->EditorSelection,
              (std::vector<Engine::GameObj*>{Object("A"), Object("B"), Object("D")}));
    EXPECT_EQ(picking->picked, Object("A"));
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(Highlight(i).hidden);
        EXPECT_EQ(Highlight(i).owner, picking->EditorSelection[i]->transform.get());
    }
    EXPECT_TRUE(Highlight(3).hidden);

    // Moving drags every selected object by the mouse's steps.
    Drag({6.0f, 0.0f}, {7.0f, -1.0f});
    ExpectAt(Position("A"), 1.0f, -1.0f);
    ExpectAt(Position("B"), 7.0f, -1.0f);
    ExpectAt(Position("C"), 6.0f, 5.0f);
    ASSERT_EQ(history().size(), 1u);
    EXPECT_EQ(history().back().entries.size(), 3u);
    EXPECT_EQ(history().back().entries[1].original, Object("B"));
    ExpectAt(history().back().entries[1].copy->transform->position, 6.0f, 0.0f);

    // Rotating turns each object about its own centre, following the mouse around the pivot.
    ChooseTool('W');
    const Engine::vec2 pivot = (Position("A") + Position("B") + Position("D")) / 3.0f;
    Frame(pivot.x + 1.0f, pivot.y, true);
    Frame(pivot.x, pivot.y + 1.0f, true);
    EXPECT_NEAR(Object("A")->transform->rotation, 120.0f, 1e-3);
    EXPECT_NEAR(Object("B")->transform->rotation, 90.0f, 1e-3);
    ExpectAt(Position("B"), 7.0f, -1.0f);
    Frame(pivot.x, pivot.y + 1.0f, false);
    EXPECT_EQ(history().size(), 2u);

    // The right button drops it all.
    Frame(0.0f, 0.0f, false, false, true);
    EXPECT_TRUE(picking->EditorSelection.empty());
    EXPECT_EQ(picking->picked, nullptr);
    EXPECT_EQ(picking->selectedObject, nullptr);
    for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(Highlight(i).hidden);
}

TEST_F(PickingTest, HistoryKeepsTwentyAndALevelUnloadClearsEverything) {
    for (int i = 0; i < 25; ++i) Drag({0.0f, 0.0f}, {0.0f, 0.0f});
    EXPECT_EQ(history().size(), Engine::GameLogic::kUndoLimit);
    Frame(0.0f, 0.0f, true);
    EXPECT_FALSE(Highlight(0).hidden);
    testing::internal::CaptureStdout();
    engine->factory().LoadLevel("MapData//Edit.xml");
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(picking->picked, nullptr);
    EXPECT_EQ(picking->selectedObject, nullptr);
    EXPECT_FALSE(picking->dragging);
    EXPECT_TRUE(Highlight(0).hidden);
    // The hidden highlights stay in the world layer for the next level.
    Engine::graphics::Camera::main->ResetView();
    Frame(0.0f, 0.0f, false);
    Frame(-0.5f, 0.0f, true);
    EXPECT_FALSE(Highlight(0).hidden);
    EXPECT_GT(Highlight(0).layerEntries, 0);
}

TEST_F(PickingTest, OutsideEditorModeNothingIsPicked) {
    Frame(-0.5f, 0.0f, true);
    Frame(-0.5f, 0.0f, false);
    EXPECT_EQ(picking->picked, Object("A"));
    engine->core().settings.editorMode = false;
    Frame(-0.5f, 0.0f, true);
    Frame(3.0f, 3.0f, true);
    EXPECT_EQ(picking->picked, nullptr);
    EXPECT_EQ(picking->selectedObject, nullptr);
    EXPECT_TRUE(Highlight(0).hidden);
    ExpectAt(Position("A"), 0.0f, 0.0f);
    EXPECT_EQ(history().size(), 1u);  // only the editor-mode press started a drag
}

}  // namespace
