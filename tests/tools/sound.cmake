# The synthesis kit, the Ogg Vorbis writer and the sounds the build made with them:
# determinism, lengths and formats, seamless loops, levels and the music playlist.
qx_add_test(sound_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/sound_decode.cpp ${CMAKE_CURRENT_LIST_DIR}/test_sound_kit.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_sound_files.cpp
  LIBS qx_effect_recipes qx_music_recipes qx_announcer qx_state)
target_compile_definitions(sound_test PRIVATE QX_GAME_DIR="${QX_GAME_DIR}" QX_MUSIC_DIR="${QX_MUSIC_DIR}")
# The tests read the sounds the build made.
add_dependencies(sound_test sound_effects sound_voices sound_music)

# The game's own loader on the generated files, wherever the audio layer is built.
if(TARGET qx_audio)
  qx_add_test(sound_loader_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_sound_loader.cpp
    LIBS qx_effect_recipes qx_audio)
  target_compile_definitions(sound_loader_test PRIVATE QX_GAME_DIR="${QX_GAME_DIR}" QX_MUSIC_DIR="${QX_MUSIC_DIR}")
  add_dependencies(sound_loader_test sound_effects sound_voices sound_music)
endif()
