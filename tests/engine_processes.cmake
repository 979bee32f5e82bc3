# Checks that run as processes rather than GoogleTest suites.

# The folders' include graph has no upward edge, and the check finds one.
add_test(NAME LayerCheck.SourcesIncludeOnlyLowerFolders
  COMMAND bash ${PROJECT_SOURCE_DIR}/tools/check_layers.sh)
add_test(NAME LayerCheck.AnUpwardIncludeFailsAndIsNamed
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/process/check_layers_test.sh)

# The game, on an X server of its own, ended from outside at the main menu: it
# quits as on a normal quit (exit code 0, files written, no sanitizer report).
foreach(mode sigterm display-lost)
  add_test(NAME GameProcess.QuitsCleanlyOn_${mode}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/process/game_process_test.sh $<TARGET_FILE:tolvex> ${mode})
  set_tests_properties(GameProcess.QuitsCleanlyOn_${mode} PROPERTIES LABELS process TIMEOUT 300)
endforeach()
set_tests_properties(LayerCheck.SourcesIncludeOnlyLowerFolders LayerCheck.AnUpwardIncludeFailsAndIsNamed
  PROPERTIES LABELS layers)

# The test command's skip check: in CI a skipped or unstartable test fails it.
add_test(NAME TestCommand.SkippedTestsAreNamedAndFail
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/process/ctest_skipped_test.sh)
set_tests_properties(TestCommand.SkippedTestsAreNamedAndFail PROPERTIES LABELS process)

# docs/design-changes.md names a test for every deliberate change, and every
# test it names exists; the check finds a renamed test.
add_test(NAME DesignChanges.EveryRowNamesTestsThatExist
  COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/check_design_changes.py)
add_test(NAME DesignChanges.ARenamedTestOrAnUntestedRowFailsAndIsNamed
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/process/check_design_changes_test.sh)
set_tests_properties(DesignChanges.EveryRowNamesTestsThatExist DesignChanges.ARenamedTestOrAnUntestedRowFailsAndIsNamed
  PROPERTIES LABELS docs)
