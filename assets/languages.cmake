# The table of language names, made by tools/languages.
qx_embed(NAME "languages.xml" FILE ${QX_LANGUAGES_XML} DEPENDS languages_xml ${QX_LANGUAGES_XML})
