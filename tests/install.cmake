# The installed game: cmake --install into a scratch DESTDIR, the desktop entry
# and metainfo validated, and the installed game started headless to the main menu.
add_test(NAME Install.TheInstalledGameStartsFromItsDesktopEntry
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/process/installed_game_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(Install.TheInstalledGameStartsFromItsDesktopEntry PROPERTIES LABELS install TIMEOUT 400)
