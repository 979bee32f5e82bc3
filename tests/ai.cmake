# The computer players' runner case plays the whole 230-second run, which costs
# minutes under the sanitizers; the release tree plays it (as the autoplay's
# long routes, tests/autoplay.cmake), the sanitizer tree keeps the other levels.
if(TARGET test_game_ai AND NOT TOLVEX_SANITIZE)
  target_compile_definitions(test_game_ai PRIVATE TOLVEX_AI_LONG_CASES=1)
endif()
