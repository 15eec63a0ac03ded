# SPDX-License-Identifier: MIT
# The program in bin/ (the Debian package sets CMAKE_INSTALL_BINDIR=games), its menu entry,
# software-centre metadata, icons, manual page and documentation under share/.
set(CMAKE_INSTALL_DOCDIR share/doc/chess-checkers CACHE PATH "Documentation (DATAROOTDIR/doc/chess-checkers)")
include(GNUInstallDirs)
# Folders are made 0755 whatever the umask of whoever installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(APP_ID org.chesscheckers.ChessCheckers)
set(share ${CMAKE_INSTALL_DATAROOTDIR})
install(TARGETS chess-checkers RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/chess-checkers.desktop DESTINATION ${share}/applications)
install(FILES data/${APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
install(FILES data/chess-checkers.svg DESTINATION ${share}/icons/hicolor/scalable/apps)
foreach(size IN LISTS ICON_SIZES)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/chess-checkers.png
    DESTINATION ${share}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(GZIPPED_DATA)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/chess-checkers.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chess-checkers)
set(CPACK_PACKAGE_CONTACT "Chess & Checkers developers <team@chess-checkers.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess or checkers for two players at one computer")
# The summary above is the synopsis; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Two people at one computer play chess or checkers against each other with the
mouse, on an 8 by 8 board drawn with OpenGL. Pieces are pressed, dragged and
released; a pop-up menu starts new games, changes the colours and takes moves
back.
.
Chess knows every move, castling, en passant and promotion, and refuses a move
that leaves the mover's king attacked. Checkers knows men and kings, steps,
jumps, further jumps by the piece that has just jumped and crowning. There is
no computer opponent.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://chess-checkers.org/)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies as dpkg-shlibdeps reads them off the binary, on the release it is built on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
