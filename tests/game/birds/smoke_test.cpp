#include "bird_fixture.h"

TEST_F(BirdFixture, RangeOpensWithTwoFreeBirds) {
    OpenRange();
    WaitUntilFree();
    EXPECT_FALSE(Main("Player")->dead);
}
