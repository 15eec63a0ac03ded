# SPDX-License-Identifier: MIT
# Turns a SIZE by SIZE RGB_ALPHA PAM image (pngtopam -alphapam) into the window icon's C array:
# width, height, then one 0xAARRGGBB value per pixel, row by row from the top.
# Usage: cmake -DPAM=icon.pam -DSIZE=48 -DOUT=window_icon.h -P icon-header.cmake
file(READ "${PAM}" hex HEX)
string(FIND "${hex}" "454e444844520a" end) # "ENDHDR\n"
if(end LESS 0)
  message(FATAL_ERROR "${PAM}: not a PAM image")
endif()
math(EXPR start "${end} + 14")
string(SUBSTRING "${hex}" ${start} -1 pixels)
string(LENGTH "${pixels}" length)
math(EXPR expected "${SIZE} * ${SIZE} * 8")
if(NOT length EQUAL expected)
  message(FATAL_ERROR "${PAM}: ${length} hex digits of pixels, expected ${expected}")
endif()
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\1\\2\\3ul," pixels "${pixels}")
file(WRITE "${OUT}" "// Generated from data/chess-checkers.svg at build time; do not edit.\n"
  "static const unsigned long windowIcon[] = { ${SIZE}, ${SIZE}, ${pixels} };\n")
