# SPDX-License-Identifier: MIT
# Files made at build time from their one source in data/: the PNG icons and the window icon from
# the SVG, and the manual page and changelog compressed as Debian wants them.
# Without the icon tools or gzip the program is still built, with what they do not make left out.
find_program(RSVG_CONVERT rsvg-convert) # Debian package librsvg2-bin
find_program(PNGTOPAM pngtopam) # Debian package netpbm
find_program(GZIP gzip)

set(ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/data/chess-checkers.svg)

# A PNG of the icon, `size` pixels square; on a page of `page` pixels, `margin` in from its edges on
# the brown, where a margin is asked for (for a mask or rounded corners to take).
function(icon_png png size page margin)
  set(framed)
  if(margin)
    set(framed --page-width=${page} --page-height=${page} --left=${margin} --top=${margin}
      --background-color=\#996633)
  endif()
  get_filename_component(folder ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${framed} -o ${png} ${ICON_SVG}
    DEPENDS ${ICON_SVG} VERBATIM)
endfunction()
# The web page's icons are its own (web.cmake).
if(EMSCRIPTEN)
  return()
endif()

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
  icon_png(${png} ${size} ${size} 0)
  list(APPEND ICON_PNGS ${png})
endforeach()
# Windows makes its icon of these PNGs (windows.cmake); the rest is for the desktops.
if(WIN32)
  return()
endif()

# The window carries the 48-pixel icon in its _NET_WM_ICON property, compiled in.
if(RSVG_CONVERT AND NOT PNGTOPAM)
  message(WARNING "pngtopam not found (Debian package netpbm): the window icon is left out")
elseif(RSVG_CONVERT)
  set(WINDOW_ICON_HEADER ${CMAKE_CURRENT_BINARY_DIR}/generated/window_icon.h)
  set(window_pam ${CMAKE_CURRENT_BINARY_DIR}/icons/window.pam)
  add_custom_command(OUTPUT ${WINDOW_ICON_HEADER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
    COMMAND ${CMAKE_COMMAND} -DPNGTOPAM=${PNGTOPAM}
      -DPNG=${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/chess-checkers.png -DPAM=${window_pam}
      -DSIZE=48 -DOUT=${WINDOW_ICON_HEADER} -P ${CMAKE_CURRENT_SOURCE_DIR}/scripts/icon-header.cmake
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/chess-checkers.png
      ${CMAKE_CURRENT_SOURCE_DIR}/scripts/icon-header.cmake VERBATIM)
endif()

# gzip -n: no name or time stamp inside, so the same source gives the same file.
set(GZIPPED_DATA)
if(GZIP)
  foreach(name chess-checkers.6 changelog)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${copy}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/data/${name} ${copy}
      COMMAND ${GZIP} -9nf ${copy}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/${name} VERBATIM)
    list(APPEND GZIPPED_DATA ${copy}.gz)
  endforeach()
else()
  message(WARNING "gzip not found: the manual page and the changelog are left out")
endif()

add_custom_target(generated_files ALL DEPENDS ${ICON_PNGS} ${WINDOW_ICON_HEADER} ${GZIPPED_DATA})
