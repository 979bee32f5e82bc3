# Under the sanitizers: the leak suppressions (tools/lsan.supp) let the libraries'
# own exit-time leftovers through and still catch a handle the game forgets.
if(TOLVEX_SANITIZE)
  add_executable(leak_guard leaks/leak_guard.cpp $<TARGET_OBJECTS:tolvex_keep_display_libraries>)
  target_link_libraries(leak_guard PRIVATE tolvex_video_libs tolvex_audio_libs)
  add_test(NAME LeakSuppressions.CoverTheLibrariesAndNotAForgottenHandle
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/leaks/leak_guard_test.sh $<TARGET_FILE:leak_guard>
            ${PROJECT_SOURCE_DIR}/tools/lsan.supp)
  set_tests_properties(LeakSuppressions.CoverTheLibrariesAndNotAForgottenHandle
    PROPERTIES LABELS leaks RESOURCE_LOCK x_display_pointer)
endif()
