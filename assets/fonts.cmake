# The two built-in fonts, taken from Debian font packages with open licences
# (fonts-open-sans, fonts-ferrite-core): a bold humanist sans and a wide techno display face,
# in the medium weight that stays readable on 14-pixel buttons.
qx_embed(NAME "Inc/trebucbd.ttf" FILE /usr/share/fonts/truetype/open-sans/OpenSans-Bold.ttf)
qx_embed(NAME "Inc/goodtime.ttf" FILE /usr/share/fonts/opentype/ferrite-core/FerriteCoreDX-Medium.otf)
