# Writes OUT: a C++ source exporting the bytes of IN (NUL-terminated) as SYMBOL and its size.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\n"
  "extern \"C\" __attribute__((visibility(\"default\"))) const unsigned char ${SYMBOL}[] = {\n${bytes}0x00};\n"
  "extern \"C\" __attribute__((visibility(\"default\"))) const unsigned long ${SYMBOL}Size = ${size};\n")
