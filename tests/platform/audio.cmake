# The audio layer on the silent driver, the software mixer (mixed by hand, and on SDL's dummy
# output) and OpenAL (on a loopback device and on OpenAL Soft's null output).
qx_add_test(audio_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_drivers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_freeaudio.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_loader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_ogg_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_openal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_audio_sample.cpp
  LIBS qx_audio PkgConfig::VORBIS SDL2::SDL2)

# Headless audio for every discovered case, labelled "audio" (ctest -L audio). The discovery
# script flattens lists, so a value with several variables cannot go through PROPERTIES; this
# script runs after it instead.
set(audio_test_environment ${CMAKE_CURRENT_BINARY_DIR}/audio_tests_environment.cmake)
file(WRITE ${audio_test_environment}
  "if(audio_tests_TESTS)\n"
  "  set_tests_properties(\${audio_tests_TESTS} PROPERTIES LABELS audio ENVIRONMENT\n"
  "    \"ALSOFT_DRIVERS=null;ALSOFT_LOGLEVEL=0;SDL_AUDIODRIVER=dummy\")\n"
  "endif()\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${audio_test_environment})
