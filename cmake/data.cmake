# SPDX-License-Identifier: MIT
# Files made at build time from their one source in data/: the hicolor PNG icons and the window
# icon from the SVG, and the manual page and changelog compressed as Debian wants them.
# Without the icon tools the program is still built, with the scalable icon only.
find_program(RSVG_CONVERT rsvg-convert) # Debian package librsvg2-bin
find_program(PNGTOPAM pngtopam) # Debian package netpbm
find_program(GZIP gzip)
if(NOT GZIP)
  message(FATAL_ERROR "gzip is needed for the manual page")
endif()

set(ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/data/chess-checkers.svg)
set(ICON_SIZES)
set(ICON_PNGS)
set(WINDOW_ICON_HEADER)
if(RSVG_CONVERT)
  set(ICON_SIZES 16 24 32 48 64 128 256)
else()
  message(WARNING "rsvg-convert not found (Debian package librsvg2-bin): "
    "the PNG icons and the window icon are left out")
endif()
foreach(size IN LISTS ICON_SIZES)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/chess-checkers.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ICON_SVG}
    DEPENDS ${ICON_SVG} VERBATIM)
  list(APPEND ICON_PNGS ${png})
endforeach()

# The window carries the 48-pixel icon in its _NET_WM_ICON property, compiled in.
if(RSVG_CONVERT AND NOT PNGTOPAM)
  message(WARNING "pngtopam not found (Debian package netpbm): the window icon is left out")
elseif(RSVG_CONVERT)
  set(WINDOW_ICON_HEADER ${CMAKE_CURRENT_BINARY_DIR}/generated/window_icon.h)
  set(window_pam ${CMAKE_CURRENT_BINARY_DIR}/icons/window.pam)
  add_custom_command(OUTPUT ${WINDOW_ICON_HEADER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
    COMMAND sh -c "'${PNGTOPAM}' -alphapam '${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/chess-checkers.png' > '${window_pam}'"
    COMMAND ${CMAKE_COMMAND} -DPAM=${window_pam} -DSIZE=48 -DOUT=${WINDOW_ICON_HEADER}
      -P ${CMAKE_CURRENT_SOURCE_DIR}/scripts/icon-header.cmake
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/chess-checkers.png
      ${CMAKE_CURRENT_SOURCE_DIR}/scripts/icon-header.cmake VERBATIM)
endif()

# gzip -n: no name or time stamp inside, so the same source gives the same file.
function(gzip_data source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "'${GZIP}' -9n -c '${source}' > '${output}'"
    DEPENDS ${source} VERBATIM)
endfunction()
gzip_data(${CMAKE_CURRENT_SOURCE_DIR}/data/chess-checkers.6
  ${CMAKE_CURRENT_BINARY_DIR}/chess-checkers.6.gz)
gzip_data(${CMAKE_CURRENT_SOURCE_DIR}/data/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)

add_custom_target(data ALL DEPENDS ${ICON_PNGS} ${WINDOW_ICON_HEADER}
  ${CMAKE_CURRENT_BINARY_DIR}/chess-checkers.6.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
