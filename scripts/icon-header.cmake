# SPDX-License-Identifier: MIT
# Turns a SIZE by SIZE PNG into the window icon's C array, through an RGB_ALPHA PAM image
# (pngtopam -alphapam): width, height, then one 0xAARRGGBB value per pixel, row by row from the
# top.
# Usage: cmake -DPNGTOPAM=pngtopam -DPNG=icon.png -DPAM=icon.pam -DSIZE=48 -DOUT=window_icon.h
#   -P icon-header.cmake
execute_process(COMMAND "${PNGTOPAM}" -alphapam "${PNG}" OUTPUT_FILE "${PAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PNGTOPAM} -alphapam ${PNG}: ${status}")
endif()
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
