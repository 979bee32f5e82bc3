# Developer tools built beside the tests: tolvex_level_shot draws one screen of
# the game into a picture (tests/tools/level_shot.cpp).
add_executable(tolvex_level_shot tools/level_shot.cpp)
target_link_libraries(tolvex_level_shot PRIVATE tolvex_test_support)
