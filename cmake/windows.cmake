# SPDX-License-Identifier: MIT
# What the Windows program carries beside its code: the game's icon, made from the SVG with
# rsvg-convert and icotool (Debian packages librsvg2-bin and icoutils); its version, from
# project() alone; a manifest declaring DPI awareness and the Windows versions it knows. And the
# zip's text files, with the CR LF line ends and the extensions Windows programs expect.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(WINDOWS_ICON ${CMAKE_CURRENT_BINARY_DIR}/windows/chess-checkers.ico)
set(WINDOWS_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/windows/chess-checkers.manifest)
# The 256-pixel image is kept as PNG inside the icon, as Windows reads it since Vista.
set(pngs ${ICON_PNGS})
list(POP_BACK pngs large)
add_custom_command(OUTPUT ${WINDOWS_ICON}
  COMMAND ${ICOTOOL} --create --output=${WINDOWS_ICON} ${pngs} --raw=${large}
  DEPENDS ${pngs} ${large} VERBATIM)

# The licence's copyright line, for the version resource and the installer alike.
file(STRINGS LICENSE COPYRIGHT REGEX "^Copyright ")
configure_file(data/windows/chess-checkers.manifest.in ${WINDOWS_MANIFEST} @ONLY)
configure_file(data/windows/chess-checkers.rc.in windows/chess-checkers.rc @ONLY)
configure_file(data/windows/chess-checkers.nsi.in windows/chess-checkers.nsi @ONLY)
target_sources(chess-checkers PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/windows/chess-checkers.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/windows/chess-checkers.rc PROPERTIES
  OBJECT_DEPENDS "${WINDOWS_ICON};${WINDOWS_MANIFEST}")

configure_file(LICENSE windows/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(data/README-windows.txt windows/README.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS chess-checkers RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows/LICENSE.txt
  ${CMAKE_CURRENT_BINARY_DIR}/windows/README.txt DESTINATION .)
