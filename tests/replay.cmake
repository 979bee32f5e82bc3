# The replay suite also runs the built game on recordings it made in the harness.
if(TARGET test_replay AND TARGET tolvex)
  target_compile_definitions(test_replay PRIVATE TOLVEX_GAME_EXECUTABLE="$<TARGET_FILE:tolvex>")
  add_dependencies(test_replay tolvex)
endif()
