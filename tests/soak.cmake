# The soak driver (tests/soak): random input across every screen for a given time.
# tools/soak.sh runs it for minutes in the sanitizer tree; the sanitizer tree's
# suite runs it for a minute.
add_executable(tolvex_soak soak/soak_driver.cpp)
target_link_libraries(tolvex_soak PRIVATE tolvex_test_support)
if(TOLVEX_SANITIZE)
  add_test(NAME soak_short COMMAND tolvex_soak 60 WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(soak_short PROPERTIES LABELS soak TIMEOUT 600)
endif()

# The soak's own checks: the quit message planted inside the first way-back
# check, and at frame 100 (the loading screen, where no player quits), each
# fails the run with its line.
add_test(NAME SoakCheck.FailsWhenTheGameStopsDuringAWayBackCheck
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/soak/planted_quit_test.sh $<TARGET_FILE:tolvex_soak>
          "stopped during a way-back check" --quit-in-check
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
add_test(NAME SoakCheck.FailsWhenTheGameStopsByItself
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/soak/planted_quit_test.sh $<TARGET_FILE:tolvex_soak>
          "stopped by itself on MapData//" --quit-at 100
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(SoakCheck.FailsWhenTheGameStopsDuringAWayBackCheck SoakCheck.FailsWhenTheGameStopsByItself
  PROPERTIES LABELS soak TIMEOUT 600)
