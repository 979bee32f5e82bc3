# The soak driver (tests/soak): random input across every screen for a given time.
# tools/soak.sh runs it for minutes in the sanitizer tree; the sanitizer tree's
# suite runs it for a minute.
add_executable(tolvex_soak soak/soak_driver.cpp)
target_link_libraries(tolvex_soak PRIVATE tolvex_test_support)
# The short soak is not in the suite yet: with the selection screens in, it finds
# a dead end on the versus screen (seed 20261210) that is still open; run it with
# tools/soak.sh until that is mended, then add it back here.
