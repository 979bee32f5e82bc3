# Sounds: tools/make_sounds.py renders the recipes in tools/sounds/ into
# Resources/Sounds/generated/ (ignored by git). The stamp lives with the output,
# so the step reruns when a recipe or the generator changes, or the folder is gone.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

file(GLOB TOLVEX_SOUND_RECIPES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/tools/sounds/*.sfx ${PROJECT_SOURCE_DIR}/tools/sounds/*.song)
set(TOLVEX_SOUND_OUTPUT ${PROJECT_SOURCE_DIR}/Resources/Sounds/generated)
set(TOLVEX_SOUND_STAMP ${TOLVEX_SOUND_OUTPUT}/.stamp)

add_custom_command(
  OUTPUT ${TOLVEX_SOUND_STAMP}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make_sounds.py
          --out ${TOLVEX_SOUND_OUTPUT} --stamp ${TOLVEX_SOUND_STAMP} ${TOLVEX_SOUND_RECIPES}
  DEPENDS ${TOLVEX_SOUND_RECIPES} ${PROJECT_SOURCE_DIR}/tools/make_sounds.py
  COMMENT "Generating sounds"
  VERBATIM)
add_custom_target(tolvex_sounds ALL DEPENDS ${TOLVEX_SOUND_STAMP})

# Everything that plays the banks needs the sounds first.
foreach(consumer tolvex test_sound sound_bench)
  if(TARGET ${consumer})
    add_dependencies(${consumer} tolvex_sounds)
  endif()
endforeach()
