# cmake --install: the game under the usual Linux places, honouring the prefix
# and DESTDIR.
#
#   <prefix>/bin/tolvex
#   <prefix>/share/tolvex/        the data, laid out as in the checkout
#                                 (MapData, Objects, Resources, src/shaders,
#                                 src/sound/sound.xml, the three fonts)
#   <prefix>/share/applications/io.github.tolvex.Tolvex.desktop
#   <prefix>/share/metainfo/io.github.tolvex.Tolvex.metainfo.xml
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/io.github.tolvex.Tolvex.png
#
# The game knows it is installed when it finds ../share/tolvex/ beside its
# executable (src/wiring/user_files.h).
include(GNUInstallDirs)

set(TOLVEX_APP_ID io.github.tolvex.Tolvex)
set(TOLVEX_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvex)

install(TARGETS tolvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/MapData ${PROJECT_SOURCE_DIR}/Objects
        DESTINATION ${TOLVEX_DATA_DESTINATION})
# The textures, the sound banks and the generated sounds (the stamp stays behind).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Resources DESTINATION ${TOLVEX_DATA_DESTINATION}
        PATTERN ".stamp" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/shaders DESTINATION ${TOLVEX_DATA_DESTINATION}/src)
install(FILES ${PROJECT_SOURCE_DIR}/src/sound/sound.xml DESTINATION ${TOLVEX_DATA_DESTINATION}/src/sound)
install(FILES ${PROJECT_SOURCE_DIR}/arial.ttf ${PROJECT_SOURCE_DIR}/berlin_sans_fb_regular.ttf
              ${PROJECT_SOURCE_DIR}/PassionOne-Regular.otf
        DESTINATION ${TOLVEX_DATA_DESTINATION})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLVEX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLVEX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon in the hicolor sizes, scaled from the window icon at build time.
find_program(TOLVEX_CONVERT convert REQUIRED)
set(TOLVEX_ICON_SIZES 16 24 32 48 64 128 256)
set(tolvex_icon_outputs "")
foreach(size ${TOLVEX_ICON_SIZES})
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TOLVEX_APP_ID}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${TOLVEX_CONVERT} ${PROJECT_SOURCE_DIR}/Resources/icon.png -filter Lanczos -resize ${size}x${size}
            -strip ${icon}
    DEPENDS ${PROJECT_SOURCE_DIR}/Resources/icon.png
    COMMENT "Icon ${size}x${size}"
    VERBATIM)
  list(APPEND tolvex_icon_outputs ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tolvex_install_icons ALL DEPENDS ${tolvex_icon_outputs})
if(TARGET tolvex_icon)
  add_dependencies(tolvex_install_icons tolvex_icon)
endif()
