# System libraries from Debian's packages, gathered in one interface target.
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
find_package(GLEW REQUIRED)
find_package(SDL2 REQUIRED CONFIG)
find_package(Freetype REQUIRED)
find_package(OpenAL REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)
pkg_check_modules(TINYXML REQUIRED IMPORTED_TARGET tinyxml)
pkg_check_modules(ENET REQUIRED IMPORTED_TARGET libenet)
find_library(SOIL_LIBRARY SOIL REQUIRED)
find_path(SOIL_INCLUDE_DIR SOIL/SOIL.h REQUIRED)
# Dear ImGui: Debian's archive already holds the SDL2 and OpenGL3 back ends.
# Its pkg-config file also pulls libstb, whose stb_image must not meet SOIL's:
# link only the pieces ImGui needs, after SOIL.
find_library(IMGUI_LIBRARY NAMES libimgui.a imgui REQUIRED)
find_path(IMGUI_INCLUDE_DIR imgui.h PATH_SUFFIXES imgui REQUIRED)
find_library(STB_LIBRARY stb)
find_package(X11 REQUIRED)

# One interface target per kind of platform library, so each engine folder links
# only what it uses (see the folder libraries in the top CMakeLists.txt).
add_library(tolvex_xml_libs INTERFACE)
target_link_libraries(tolvex_xml_libs INTERFACE PkgConfig::TINYXML)

add_library(tolvex_sdl_libs INTERFACE)
target_link_libraries(tolvex_sdl_libs INTERFACE SDL2::SDL2)

# Drawing: SDL's window and GL context, GLEW, SOIL's image reader, FreeType and
# the debug overlay. SOIL comes before ImGui (see above).
add_library(tolvex_video_libs INTERFACE)
target_include_directories(tolvex_video_libs INTERFACE
  ${SOIL_INCLUDE_DIR} ${IMGUI_INCLUDE_DIR} ${IMGUI_INCLUDE_DIR}/backends)
target_link_libraries(tolvex_video_libs INTERFACE
  ${SOIL_LIBRARY} ${IMGUI_LIBRARY} SDL2::SDL2 GLEW::GLEW OpenGL::OpenGL OpenGL::EGL Freetype::Freetype ${CMAKE_DL_LIBS})
if(STB_LIBRARY)
  target_link_libraries(tolvex_video_libs INTERFACE ${STB_LIBRARY})
endif()

add_library(tolvex_audio_libs INTERFACE)
target_link_libraries(tolvex_audio_libs INTERFACE OpenAL::OpenAL PkgConfig::SNDFILE)

# The window watches its X display for a lost connection.
add_library(tolvex_x11_libs INTERFACE)
target_link_libraries(tolvex_x11_libs INTERFACE X11::X11)

# Online play: ENet's UDP connections.
add_library(tolvex_net_libs INTERFACE)
target_link_libraries(tolvex_net_libs INTERFACE PkgConfig::ENET)

# Everything at once, for code outside the engine's folders.

add_library(tolvex_platform_libs INTERFACE)
target_include_directories(tolvex_platform_libs INTERFACE
  ${SOIL_INCLUDE_DIR} ${IMGUI_INCLUDE_DIR} ${IMGUI_INCLUDE_DIR}/backends)
target_link_libraries(tolvex_platform_libs INTERFACE
  ${SOIL_LIBRARY} ${IMGUI_LIBRARY}
  SDL2::SDL2 GLEW::GLEW OpenGL::OpenGL OpenGL::EGL Freetype::Freetype OpenAL::OpenAL
  PkgConfig::SNDFILE PkgConfig::TINYXML PkgConfig::ENET X11::X11 ${CMAKE_DL_LIBS})
if(STB_LIBRARY)
  target_link_libraries(tolvex_platform_libs INTERFACE ${STB_LIBRARY})
endif()
