# SPDX-License-Identifier: MIT
# The end-to-end harness: the real executable started, driven and looked at on an X display. The
# tests and the start-up benchmark both use it.
find_package(GTest REQUIRED)
find_package(X11 REQUIRED)
add_library(e2e_harness OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/managed_display.cpp)
target_link_libraries(e2e_harness PUBLIC project_options GTest::gtest X11::X11)
target_include_directories(e2e_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_definitions(e2e_harness PUBLIC CHESS_CHECKERS_EXE="$<TARGET_FILE:chess-checkers>"
  CHESS_CHECKERS_VERSION="${PROJECT_VERSION}")

# The web page in Chromium, Firefox and WebKit: the web test and its benchmark.
find_package(nlohmann_json REQUIRED)
find_package(CURL REQUIRED)
add_library(web_harness OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/browser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chromium.cpp
  ${CMAKE_CURRENT_LIST_DIR}/firefox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/webkit.cpp)
target_link_libraries(web_harness PUBLIC e2e_harness nlohmann_json::nlohmann_json CURL::libcurl)
target_compile_definitions(web_harness PRIVATE BIDI_RELAY="${CMAKE_CURRENT_LIST_DIR}/bidi_relay.py")
