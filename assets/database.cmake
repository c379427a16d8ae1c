# The seed game database "Inc/QX.db", made from its SQL script at build time.
find_program(QX_SQLITE3 sqlite3 REQUIRED)
set(qx_seed_db ${CMAKE_CURRENT_BINARY_DIR}/database/QX.db)
add_custom_command(OUTPUT ${qx_seed_db}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/database
  COMMAND ${CMAKE_COMMAND} -E rm -f ${qx_seed_db}
  COMMAND ${QX_SQLITE3} -bail ${qx_seed_db} ".read '${CMAKE_CURRENT_SOURCE_DIR}/database/QX.sql'"
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/database/QX.sql
  COMMENT "Building the seed database QX.db" VERBATIM)
qx_embed(NAME "Inc/QX.db" FILE ${qx_seed_db})
