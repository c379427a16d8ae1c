# The drawing and input layers' tests. Those that need a window skip themselves without a
# display; make test runs them under Xvfb.
qx_add_test(draw_tests
  SOURCES test_draw_state.cpp test_pixmap.cpp
  LIBS qx_video JPEG::JPEG)
qx_add_test(window_tests
  SOURCES test_draw_pixels.cpp
  LIBS qx_video qx_embedded)
qx_add_test(input_tests
  SOURCES test_input.cpp
  LIBS qx_input)
