// The main of every test executable: GoogleTest's, plus one listener that puts
// the game's values back with Game::ResetValues() before each test starts, so
// a test (and its fixture) sets only the values it needs and never inherits
// what an earlier test in the same run chose or played.
#include <gtest/gtest.h>

#include "game/game_values.h"

namespace {

class FreshGameValues : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Game::ResetValues(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshGameValues);  // the listener list owns it
    return RUN_ALL_TESTS();
}
