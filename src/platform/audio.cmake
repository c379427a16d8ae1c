# The audio layer: Ogg Vorbis samples, the driver list and the OpenAL, software-mixer and
# silent drivers. OpenAL is opened at run time, so the game starts on machines without it.
add_library(qx_audio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/audio_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_freeaudio_channel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_freeaudio_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_freeaudio_output.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_mixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_null_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_ogg_loader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_openal_channel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_openal_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_openal_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_openal_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_sample.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_sample_loader.cpp
)
qx_warnings(qx_audio)
target_link_libraries(qx_audio PUBLIC qx_platform PRIVATE PkgConfig::VORBIS SDL2::SDL2 ${CMAKE_DL_LIBS} Threads::Threads)
