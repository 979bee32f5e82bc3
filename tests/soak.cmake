# The soak driver (tests/soak): random input across every screen for a given time.
# tools/soak.sh runs it for minutes in the sanitizer tree; the sanitizer tree's
# suite runs it for a minute.
add_executable(tolvex_soak soak/soak_driver.cpp)
target_link_libraries(tolvex_soak PRIVATE tolvex_test_support)
if(TOLVEX_SANITIZE)
  add_test(NAME soak_short COMMAND tolvex_soak 60 WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(soak_short PROPERTIES LABELS soak TIMEOUT 600)
endif()
