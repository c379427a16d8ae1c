# The 2D drawing layer: window and OpenGL 1.x context, drawing state, images, pixmaps,
# fonts and the glow line, with a headless driver for runs without a display.
add_library(qx_video STATIC
  ${CMAKE_CURRENT_LIST_DIR}/bmp_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/builtin_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_pacer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/freetype_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gl_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glow_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graphics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graphics_modes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_video.cpp
)
target_include_directories(qx_video PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qx_video PUBLIC qx_platform SDL2::SDL2 OpenGL::GL Freetype::Freetype PNG::PNG JPEG::JPEG)
qx_warnings(qx_video)
# Text decoding is shared by fonts and typed characters.
target_sources(qx_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/utf8.cpp)
