# The nine pieces of music (the title theme and eight race tracks), composed at build time
# by tools/sound and served as "incbin::Inc/Music/<name>.ogg".
foreach(name title race1 race2 race3 race4 race5 race6 race7 race8)
  qx_embed(NAME "Inc/Music/${name}.ogg" FILE ${QX_MUSIC_DIR}/${name}.ogg
           DEPENDS sound_music ${QX_MUSIC_DIR}/${name}.ogg)
endforeach()
