# The raster library and the picture generator: formats, determinism, and the pictures the
# build wrote beside the program and into the program.
qx_add_test(pictures_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_raster.cpp ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp
  LIBS qx_pictures)
target_compile_definitions(pictures_test PRIVATE
  QX_PICTURES_CATALOGUE="${QX_PICTURES_CATALOGUE}"
  QX_PICTURES_EMBED_DIR="${QX_PICTURES_EMBED_DIR}"
  QX_GAME_DIR="${QX_GAME_DIR}")
# The tests read the pictures the build made.
add_dependencies(pictures_test pictures)
