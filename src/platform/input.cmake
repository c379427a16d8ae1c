# The input layer: SDL events into the polled store, the Windows key codes the game binds,
# and the first joystick.
add_library(qx_input STATIC
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joystick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_events.cpp
)
target_include_directories(qx_input PUBLIC ${CMAKE_SOURCE_DIR}/src)
# The window id that filters events comes from the drawing layer.
target_link_libraries(qx_input PUBLIC qx_platform qx_video SDL2::SDL2)
qx_warnings(qx_input)
