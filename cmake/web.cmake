# SPDX-License-Identifier: MIT
# The web page: index.html with the program's .js and .wasm, its script, style and icon, all
# installed into one folder that any static web host can serve.
set(web_dir ${PROJECT_SOURCE_DIR}/platform/web)
set_target_properties(chess-checkers PROPERTIES OUTPUT_NAME index SUFFIX .html)
# Debian's HTML minifier step fails on the page at -O2; the page is small and stays as written.
target_link_options(chess-checkers PRIVATE
  -sLEGACY_GL_EMULATION -sENVIRONMENT=web -sMINIFY_HTML=0
  --shell-file ${web_dir}/index.html --js-library ${web_dir}/glut.js)
set_property(TARGET chess-checkers APPEND PROPERTY LINK_DEPENDS
  ${web_dir}/index.html ${web_dir}/glut.js)
# No path of the build machine in what is shipped.
target_compile_options(gamecore PUBLIC -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)

install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/index.html
  ${CMAKE_CURRENT_BINARY_DIR}/index.js
  ${CMAKE_CURRENT_BINARY_DIR}/index.wasm
  ${web_dir}/page.js
  ${web_dir}/page.css
  ${PROJECT_SOURCE_DIR}/data/chess-checkers.svg
  DESTINATION .)
