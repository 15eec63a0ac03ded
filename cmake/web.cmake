# SPDX-License-Identifier: MIT
# The web page: index.html with the program (its WebAssembly inside, so that the page plays from
# the unzipped folder too), its script, style, icons, manifest and service worker, all installed
# into one folder that any static web host can serve.
set(web_dir ${PROJECT_SOURCE_DIR}/platform/web)
# The program as a script of its own: the page's policy allows no inline one. Its WebAssembly,
# inside it, is compiled there and then, as the policy lets no fetch read it.
set_target_properties(chess-checkers PROPERTIES OUTPUT_NAME index SUFFIX .js)
target_link_options(chess-checkers PRIVATE
  -sLEGACY_GL_EMULATION -sENVIRONMENT=web -sSINGLE_FILE
  -sWASM_ASYNC_COMPILATION=0 --js-library ${web_dir}/glut.js)
set_property(TARGET chess-checkers APPEND PROPERTY LINK_DEPENDS ${web_dir}/glut.js)
# No path of the build machine in what is shipped.
target_compile_options(project_options INTERFACE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)

# The icons a phone or tablet puts on its home screen, from the SVG: plain, and on the brown with
# the margin that a mask (maskable) or iOS's rounded corners (apple-touch-icon) may take.
include(${PROJECT_SOURCE_DIR}/cmake/data.cmake)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "The web page's icons need rsvg-convert (Debian package librsvg2-bin)")
endif()
set(web_icons)
foreach(icon "icon-192 192 192 0" "icon-512 512 512 0" "icon-maskable-512 288 512 112"
    "apple-touch-icon 144 180 18")
  separate_arguments(icon)
  list(POP_FRONT icon name) # then the size, the page and the margin
  list(APPEND web_icons ${CMAKE_CURRENT_BINARY_DIR}/${name}.png)
  icon_png(${CMAKE_CURRENT_BINARY_DIR}/${name}.png ${icon})
endforeach()
add_custom_target(web_icons ALL DEPENDS ${web_icons})

set(web_files index.html index.js page.js page.css chess-checkers.svg manifest.webmanifest
  icon-192.png icon-512.png icon-maskable-512.png apple-touch-icon.png)
list(JOIN web_files "', '" WEB_FILES)
set(WEB_FILES "'./', '${WEB_FILES}'")
configure_file(${web_dir}/sw.js.in sw.js @ONLY)

install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/index.js
  ${CMAKE_CURRENT_BINARY_DIR}/sw.js
  ${web_icons}
  ${web_dir}/index.html
  ${web_dir}/page.js
  ${web_dir}/page.css
  ${web_dir}/manifest.webmanifest
  ${PROJECT_SOURCE_DIR}/data/chess-checkers.svg
  DESTINATION .)
