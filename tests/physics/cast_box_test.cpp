#include "physics_scene.h"

namespace physics_test {
namespace {

struct CastCase {
    const char* label;
    float ox, oy, w, h, length, dx, dy;
    std::vector<std::string> hits;
};
void PrintTo(const CastCase& c, std::ostream* out) { *out << c.label; }

class CastBoxTest : public PhysicsScene, public ::testing::WithParamInterface<CastCase> {};

// Boxes of 1 x 1 listed in the order Far, Near, Above, Behind.
TEST_P(CastBoxTest, ReturnsTouchedCollidersInListOrder) {
    Load({{"Far", 6, 0, 1, 1, kStatic}, {"Near", 3, 0, 1, 1, kStatic}, {"Above", 3, 3, 1, 1, kStatic},
          {"Behind", -3, 0, 1, 1, kStatic}});
    Step();
    const CastCase& c = GetParam();
    std::vector<std::string> names;
    for (Engine::Collider* hit : Engine::Physics::instance->CastBox(c.ox, c.oy, c.w, c.h, c.length, c.dx, c.dy))
        names.push_back(hit->owner->name);
    EXPECT_EQ(names, c.hits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CastBoxTest,
    ::testing::Values(CastCase{"AlongXListOrderNotDistance", 0, 0, 0.5f, 0.5f, 10, 1, 0, {"Far", "Near"}},
                      CastCase{"StopsShort", 0, 0, 0.5f, 0.5f, 2, 1, 0, {}},
                      CastCase{"FrontEdgeReaches", 0, 0, 0.5f, 0.5f, 2.3f, 1, 0, {"Near"}},
                      CastCase{"Backwards", 0, 0, 0.5f, 0.5f, 10, -1, 0, {"Behind"}},
                      CastCase{"AlongY", 3, -5, 0.5f, 0.5f, 10, 0, 1, {"Near", "Above"}},
                      CastCase{"DiagonalPassesBetween", 0, 1.5f, 0.2f, 0.2f, 6, 1, 0.2f, {}},
                      CastCase{"ZeroLengthInsideInflatedBox", 3, 0.7f, 0.5f, 0.5f, 0, 1, 0, {"Near"}},
                      CastCase{"ZeroLengthJustOutside", 3, 0.8f, 0.5f, 0.5f, 0, 1, 0, {}},
                      CastCase{"ZeroDirection", -3.6f, 0, 0.5f, 0.5f, 5, 0, 0, {"Behind"}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace physics_test
