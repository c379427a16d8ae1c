# The pictures built into the program (splashes, buttons, instructions, glow dot, flare),
# painted by tools/pictures.
foreach(entry ${QX_EMBEDDED_PICTURES})
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 painted_by)
  qx_embed(NAME "${name}" FILE ${QX_PICTURES_EMBED_DIR}/${name} DEPENDS ${painted_by} ${QX_PICTURES_EMBED_DIR}/${name})
endforeach()
