# The built-in tracks "Inc/Tracks/<name>.trk", built from their descriptions in tracks/.
set(qx_built_in_tracks Test_Track Ruze Lazcon Vozeru Babstar Traztan Dreksu Mexxin Zekkeron Kefla Plazmina Sattiros Qatt)
foreach(track ${qx_built_in_tracks})
  set(description ${CMAKE_CURRENT_SOURCE_DIR}/tracks/${track}.txt)
  set(built ${CMAKE_CURRENT_BINARY_DIR}/tracks/${track}.trk)
  add_custom_command(OUTPUT ${built}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/tracks
    COMMAND qx_make_track ${description} ${built}
    DEPENDS qx_make_track ${description}
    COMMENT "Building track ${track}" VERBATIM)
  qx_embed(NAME "Inc/Tracks/${track}.trk" FILE ${built})
endforeach()
