# The menu tests play the game's sounds and read its textures: build both first.
foreach(menu_consumer test_game_menus)
  if(TARGET ${menu_consumer})
    add_dependencies(${menu_consumer} tolvex_sounds tolvex_art tolvex_atlas tolvex_fonts)
  endif()
endforeach()

# The content check loads every level, and the levels' captions need the fonts.
if(TARGET test_content)
  add_dependencies(test_content tolvex_sounds tolvex_icon)
endif()
