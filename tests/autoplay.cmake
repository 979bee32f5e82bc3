# The computer players' long routes play in the release tree only. The runner's
# run lasts 230 s of game time and costs about five minutes under the sanitizers
# (nearly all of it the physics' contact lists), which alone would hold the
# sanitizer suite for longer than all the rest; the sanitizer tree keeps every
# shorter route, so each screen the long routes pass (bar the runner level)
# is still played there.
if(TARGET test_autoplay AND NOT TOLVEX_SANITIZE)
  target_compile_definitions(test_autoplay PRIVATE TOLVEX_AUTOPLAY_LONG_ROUTES=1)
endif()
