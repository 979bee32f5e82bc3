#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "objects/game_object_factory.h"
#include "physics/collider.h"
#include "physics/static_tree.h"

namespace {

using Engine::Collider;
using Engine::StaticTree;
using Engine::vec2;
using Engine::vec4;
using Node = StaticTree::Node;

// Colliders that belong to no object and register nowhere: the tree alone.
class StaticTreeTest : public ::testing::Test {
protected:
    StaticTreeTest() {
        if (Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance) {
            savedNoRegister_ = factory->noRegister;
            factory->noRegister = true;
        }
    }
    ~StaticTreeTest() override {
        colliders_.clear();
        if (Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance)
            factory->noRegister = savedNoRegister_;
    }

    Collider* Make(float x, float y, float w = 1, float h = 1) {
        positions_.push_back({x, y});
        colliders_.push_back(std::make_unique<Collider>(&positions_.back(), nullptr, nullptr, w, h));
        return colliders_.back().get();
    }
    Collider* Add(float x, float y, float w = 1, float h = 1) {
        Collider* c = Make(x, y, w, h);
        tree.Insert(c);
        return c;
    }

    static int MaxDepth(const Node& node) {
        int depth = node.depth;
        for (const auto& child : node.children) depth = std::max(depth, MaxDepth(*child));
        return depth;
    }

    StaticTree tree;

private:
    bool savedNoRegister_ = true;
    std::deque<vec2> positions_;
    std::vector<std::unique_ptr<Collider>> colliders_;
};

TEST_F(StaticTreeTest, SplitsIntoNamedQuadrantsOnTheSixteenthCollider) {
    for (int i = 0; i < 15; ++i) Add(-60.0f + 8.0f * i, -30.0f);
    EXPECT_TRUE(tree.Root().IsLeaf());
    Collider* topRight = Add(30, 30);
    const Node& root = tree.Root();
    ASSERT_EQ(root.children.size(), 4u);
    const char* names[] = {"TOP LEFT", "TOP Right", "Bottom Right", "Bottom Left"};
    const vec4 bounds[] = {{-75, 0, 0, 75}, {0, 0, 75, 75}, {0, -75, 75, 0}, {-75, -75, 0, 0}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(root.children[i]->name, names[i]);
        EXPECT_EQ(root.children[i]->depth, 1);
        EXPECT_EQ(root.children[i]->bounds, bounds[i]);
    }
    EXPECT_EQ(root.items.size(), 16u);  // the root keeps everything it passed down
    EXPECT_EQ(root.children[1]->items, std::vector<Collider*>{topRight});
    // Only the leaves a box touches answer.
    EXPECT_EQ(tree.Query(Make(40, 40)), std::vector<Collider*>{topRight});
    EXPECT_TRUE(tree.Query(Make(-40, 40)).empty());
}

TEST_F(StaticTreeTest, TouchingEdgesCountAndQueriesListEachColliderOnceInFirstSeenOrder) {
    Collider* bottomLeft = Add(-20, -20);
    Collider* topRight = Add(20, 20);
    Collider* corner = Add(-0.5f, 0.5f);  // x -1..0, y 0..1: touches both mid lines
    Collider* topLeft = Add(-20, 20);
    std::vector<Collider*> bottomRight;
    for (int i = 0; i < 12; ++i) bottomRight.push_back(Add(5.0f + 4.0f * i, -20));
    ASSERT_EQ(tree.Root().children.size(), 4u);
    for (const auto& child : tree.Root().children)
        EXPECT_NE(std::find(child->items.begin(), child->items.end(), corner), child->items.end()) << child->name;

    std::vector<Collider*> expected = {corner, topLeft, topRight};
    expected.insert(expected.end(), bottomRight.begin(), bottomRight.end());
    expected.push_back(bottomLeft);
    EXPECT_EQ(tree.Query(Make(0, 0, 150, 150)), expected);
}

TEST_F(StaticTreeTest, StopsSplittingAtDepthFour) {
    std::vector<Collider*> pile;
    for (int i = 0; i < 40; ++i) pile.push_back(Add(10.1f, 10.1f, 0.01f, 0.01f));
    EXPECT_EQ(MaxDepth(tree.Root()), 4);
    const Node* node = &tree.Root();
    while (!node->IsLeaf()) {
        EXPECT_EQ(node->items.size(), 40u) << "depth " << node->depth;
        for (const auto& child : node->children)
            if (Engine::BoxesTouch(child->bounds, {10.1f, 10.1f, 10.1f, 10.1f})) node = child.get();
    }
    EXPECT_EQ(node->depth, 4);
    EXPECT_EQ(node->items.size(), 40u);
    EXPECT_EQ(tree.Query(Make(10.1f, 10.1f, 0.01f, 0.01f)), pile);
}

TEST_F(StaticTreeTest, RemovingTheLastItemsOfAllFourChildrenCollapsesThem) {
    std::vector<Collider*> inside;
    for (int i = 0; i < 15; ++i) inside.push_back(Add(-60.0f + 8.0f * i, 30.0f - 4.0f * i));
    Collider* outside = Add(100, 100);  // beyond the root: held by it, in no child
    ASSERT_FALSE(tree.Root().IsLeaf());
    EXPECT_TRUE(tree.Query(outside).empty());

    tree.Remove(inside[0]);
    EXPECT_FALSE(tree.Root().IsLeaf()) << "children that still hold items stay";
    for (size_t i = 1; i < inside.size(); ++i) tree.Remove(inside[i]);
    EXPECT_TRUE(tree.Root().IsLeaf());
    EXPECT_EQ(tree.Query(outside), std::vector<Collider*>{outside});
    EXPECT_FALSE(tree.Contains(inside[3]));
}

TEST_F(StaticTreeTest, DeepTreesCollapseLevelByLevelAndInsertionIsIdempotent) {
    std::vector<Collider*> pile;
    for (int i = 0; i < 20; ++i) pile.push_back(Add(10.1f, 10.1f, 0.01f, 0.01f));
    tree.Insert(pile[0]);
    EXPECT_EQ(tree.Root().items.size(), 20u);
    for (Collider* c : pile) tree.Remove(c);
    EXPECT_TRUE(tree.Root().IsLeaf());
    EXPECT_TRUE(tree.Root().items.empty());
    // A collapsed node splits again when it fills up.
    for (Collider* c : pile) tree.Insert(c);
    EXPECT_EQ(MaxDepth(tree.Root()), 4);
}

}  // namespace
