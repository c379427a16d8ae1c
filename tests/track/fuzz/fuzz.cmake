# The track reader under libFuzzer (Debian's clang), with a short smoke run under ctest.
# The reader and the streams under it are built with clang and the sanitizers; the layers
# below come from the ordinary libraries. Without clang's libFuzzer the smoke run is skipped.
find_program(QX_CLANGXX NAMES clang++ clang++-14)
if(QX_CLANGXX AND NOT DEFINED QX_LIBFUZZER_WORKS)
  set(probe ${CMAKE_CURRENT_BINARY_DIR}/fuzz_probe.cpp)
  file(WRITE ${probe} "#include <cstddef>\n#include <cstdint>\n"
    "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${QX_CLANGXX} -fsanitize=fuzzer,address ${probe} -o ${CMAKE_CURRENT_BINARY_DIR}/fuzz_probe
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(QX_LIBFUZZER_WORKS ON CACHE BOOL "clang can build libFuzzer targets")
  else()
    set(QX_LIBFUZZER_WORKS OFF CACHE BOOL "clang can build libFuzzer targets")
  endif()
endif()

if(QX_CLANGXX AND QX_LIBFUZZER_WORKS)
  set(fuzz_sources
    ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_load_track.cpp
    ${CMAKE_SOURCE_DIR}/src/track/tile_names.cpp
    ${CMAKE_SOURCE_DIR}/src/track/track.cpp
    ${CMAKE_SOURCE_DIR}/src/track/track_file.cpp
    ${CMAKE_SOURCE_DIR}/src/track/track_load.cpp
    ${CMAKE_SOURCE_DIR}/src/track/track_view.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/embedded_files.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/file_stream.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/open_stream.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/ram_stream.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/stream.cpp)
  set(fuzz_program ${CMAKE_CURRENT_BINARY_DIR}/fuzz_load_track)
  add_custom_command(OUTPUT ${fuzz_program}
    COMMAND ${QX_CLANGXX} -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
      -I${CMAKE_SOURCE_DIR}/src ${fuzz_sources}
      $<TARGET_FILE:qx_progress> $<TARGET_FILE:qx_state> $<TARGET_FILE:qx_platform>
      -lsqlite3 -lSDL2 -o ${fuzz_program}
    DEPENDS ${fuzz_sources} qx_progress qx_state qx_platform
    COMMENT "Building the track fuzzer with clang" VERBATIM)
  add_custom_target(fuzz_load_track ALL DEPENDS ${fuzz_program})
  # The built-in tracks are the seeds; what the run finds goes to a folder emptied first.
  set(fuzz_found ${CMAKE_CURRENT_BINARY_DIR}/fuzz_found)
  add_test(NAME track_fuzz_smoke
    COMMAND sh -c "rm -rf '${fuzz_found}' && mkdir -p '${fuzz_found}' && '${fuzz_program}' -seed=1 -max_total_time=4 -max_len=40000 -rss_limit_mb=1024 -print_final_stats=1 '${fuzz_found}' '${CMAKE_BINARY_DIR}/assets/tracks'")
else()
  add_test(NAME track_fuzz_smoke COMMAND sh -c "echo 'clang with libFuzzer not found: the fuzz smoke run is skipped'; exit 77")
  set_tests_properties(track_fuzz_smoke PROPERTIES SKIP_RETURN_CODE 77)
endif()
