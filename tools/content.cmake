# The game's look: textures drawn by tools/art from SVG, and the three fonts.
#
# Both land in the source tree, where the game (run from the repository root)
# opens them: Resources/Textures/<name>.png as Objects/Textures/Texture.xml
# names them, and arial.ttf, berlin_sans_fb_regular.ttf, PassionOne-Regular.otf
# at the root. Both are generated, hence ignored by git.

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(TOLVEX_RSVG_CONVERT rsvg-convert REQUIRED)

# ---- textures ----------------------------------------------------------------
set(TOLVEX_ART_DIR ${PROJECT_SOURCE_DIR}/tools/art)
set(TOLVEX_TEXTURE_DIR ${PROJECT_SOURCE_DIR}/Resources/Textures)
set(TOLVEX_TEXTURE_LIST_SOURCE ${TOLVEX_ART_DIR}/textures.txt)

# Every PNG is an output, so deleting one makes the next build draw it again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOLVEX_TEXTURE_LIST_SOURCE})
file(STRINGS ${TOLVEX_TEXTURE_LIST_SOURCE} tolvex_texture_lines REGEX "^[A-Za-z0-9_]+[ \t]")
set(TOLVEX_TEXTURE_IMAGES "")
foreach(texture_line ${tolvex_texture_lines})
  string(REGEX MATCH "^[A-Za-z0-9_]+" texture_name "${texture_line}")
  list(APPEND TOLVEX_TEXTURE_IMAGES ${TOLVEX_TEXTURE_DIR}/${texture_name}.png)
endforeach()

file(GLOB TOLVEX_ART_SOURCES CONFIGURE_DEPENDS ${TOLVEX_ART_DIR}/*.py)
list(FILTER TOLVEX_ART_SOURCES EXCLUDE REGEX "(contact_sheet|pack_atlas)\\.py$")
set(TOLVEX_ART_STAMP ${CMAKE_BINARY_DIR}/art/textures.stamp)

add_custom_command(
  OUTPUT ${TOLVEX_ART_STAMP} ${TOLVEX_TEXTURE_IMAGES}
  COMMAND ${Python3_EXECUTABLE} ${TOLVEX_ART_DIR}/generate.py
          --out ${TOLVEX_TEXTURE_DIR} --svg-dir ${CMAKE_BINARY_DIR}/art/svg
          --jobs 2 --stamp ${TOLVEX_ART_STAMP}
  DEPENDS ${TOLVEX_ART_SOURCES} ${TOLVEX_TEXTURE_LIST_SOURCE}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Drawing the textures (tools/art)"
  VERBATIM)
add_custom_target(tolvex_art ALL DEPENDS ${TOLVEX_ART_STAMP})

# The atlas: the drawn images packed into a few pages, with the index the game
# resolves texture names by (Resources/Textures/Atlas/Atlas.xml). The texture
# list stays as it is; an image that is not packed loads on its own.
set(TOLVEX_ATLAS_DIR ${TOLVEX_TEXTURE_DIR}/Atlas)
set(TOLVEX_ATLAS_INDEX ${TOLVEX_ATLAS_DIR}/Atlas.xml)
set(TOLVEX_ATLAS_STAMP ${CMAKE_BINARY_DIR}/art/atlas.stamp)
add_custom_command(
  OUTPUT ${TOLVEX_ATLAS_STAMP} ${TOLVEX_ATLAS_INDEX}
  COMMAND ${Python3_EXECUTABLE} ${TOLVEX_ART_DIR}/pack_atlas.py
          --images ${TOLVEX_TEXTURE_DIR} --out ${TOLVEX_ATLAS_DIR} --root ${PROJECT_SOURCE_DIR}
          --stamp ${TOLVEX_ATLAS_STAMP}
  DEPENDS ${TOLVEX_ART_STAMP} ${TOLVEX_ART_DIR}/pack_atlas.py ${TOLVEX_ART_DIR}/generate.py
          ${TOLVEX_TEXTURE_LIST_SOURCE}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Packing the textures into atlas pages"
  VERBATIM)
add_custom_target(tolvex_atlas ALL DEPENDS ${TOLVEX_ATLAS_STAMP})

# The window icon: RoziDoro's portrait, as a PNG (what the window loads) and an
# .ico beside it for file managers.
find_program(TOLVEX_CONVERT convert REQUIRED)
set(TOLVEX_ICON_PNG ${PROJECT_SOURCE_DIR}/Resources/icon.png)
set(TOLVEX_ICON_ICO ${PROJECT_SOURCE_DIR}/Resources/icon.ico)
add_custom_command(
  OUTPUT ${TOLVEX_ICON_PNG} ${TOLVEX_ICON_ICO}
  COMMAND ${TOLVEX_CONVERT} ${TOLVEX_TEXTURE_DIR}/RoziDoro_Portrait.png -resize 64x64 ${TOLVEX_ICON_PNG}
  COMMAND ${TOLVEX_CONVERT} ${TOLVEX_ICON_PNG} -define icon:auto-resize=64,32,16 ${TOLVEX_ICON_ICO}
  DEPENDS ${TOLVEX_ART_STAMP}
  COMMENT "Making the window icon"
  VERBATIM)
add_custom_target(tolvex_icon ALL DEPENDS ${TOLVEX_ICON_PNG} ${TOLVEX_ICON_ICO})

# Review image of every texture: ninja -C build contact_sheet
add_custom_target(contact_sheet
  COMMAND ${Python3_EXECUTABLE} ${TOLVEX_ART_DIR}/contact_sheet.py
          --images ${TOLVEX_TEXTURE_DIR} --out ${CMAKE_BINARY_DIR}/contact_sheet.png
  DEPENDS tolvex_art
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Contact sheet: ${CMAKE_BINARY_DIR}/contact_sheet.png"
  VERBATIM)

# ---- fonts -------------------------------------------------------------------
# Free faces from Debian's packages stand in for the three fonts the game opens.
# The first face found of each list is used; the preferred ones carry a
# TrueType kern table, which the glyph kerning lookup reads.
function(tolvex_font target_name)
  find_file(TOLVEX_FONT_${target_name} NAMES ${ARGN} NO_DEFAULT_PATH
            PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/eurofurence
                  /usr/share/fonts/truetype/comfortaa /usr/share/fonts/opentype/cherrybomb
                  /usr/share/fonts/opentype/league-spartan)
  if(NOT TOLVEX_FONT_${target_name})
    message(WARNING "No face for ${target_name}: run tools/setup.sh to install the fonts")
    return()
  endif()
  set(destination ${PROJECT_SOURCE_DIR}/${target_name})
  add_custom_command(OUTPUT ${destination}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TOLVEX_FONT_${target_name}} ${destination}
    DEPENDS ${TOLVEX_FONT_${target_name}}
    COMMENT "Font ${target_name} from ${TOLVEX_FONT_${target_name}}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY TOLVEX_FONT_FILES ${destination})
endfunction()

tolvex_font(arial.ttf LiberationSans-Regular.ttf)
tolvex_font(berlin_sans_fb_regular.ttf eurof75.ttf Comfortaa-Bold.ttf)
tolvex_font(PassionOne-Regular.otf CherryBomb-Regular.otf LeagueSpartan-Black.otf)
get_property(tolvex_font_files GLOBAL PROPERTY TOLVEX_FONT_FILES)
add_custom_target(tolvex_fonts ALL DEPENDS ${tolvex_font_files})

# The content check loads every image the texture list names.
if(TARGET test_content)
  add_dependencies(test_content tolvex_art tolvex_atlas tolvex_fonts)
endif()
