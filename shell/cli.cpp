// SPDX-License-Identifier: MIT
#include "shell/cli.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

const char usage[] = "Usage: chess-checkers [GLUT OPTION]...\n"
                     "Chess or checkers for two players at one computer, played with the mouse.\n"
                     "\n"
                     "Mouse:\n"
                     "  left button     press on a piece of the player to move, drag it, release\n"
                     "                  it over the target square; in chess, click a piece on\n"
                     "                  the white strip to promote a pawn\n"
                     "  middle button   show the \"Game Over\" banner until a new game\n"
                     "  right button    menu: new game, colours, undo, quit\n"
                     "\n"
                     "Keys:\n"
                     "  z               take back the last move\n"
                     "  d               print the position on standard output\n"
                     "  Escape          quit\n"
                     "\n"
                     "GLUT options:\n"
                     "  -display NAME   the X display to open (default: $DISPLAY)\n"
                     "  -geometry WxH+X+Y\n"
                     "                  the window's size and position, or either alone; by\n"
                     "                  default 550x550+680+100 (scaled by Xft.dpi/96 on HiDPI\n"
                     "                  desktops), on the primary monitor if it does not fit\n"
                     "                  wholly on one, moved and shrunk only if need be\n"
                     "  -iconic         start with the window iconified\n"
                     "  -direct         insist on direct rendering\n"
                     "  -indirect       use indirect rendering\n"
                     "  -sync           synchronous X protocol, for debugging\n"
                     "  -gldebug        report OpenGL errors after each redraw\n"
                     "\n"
                     "  --help          show this text and exit\n"
                     "  --version       show the version and exit\n";

} // namespace

bool answerInfoOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("chess-checkers " CHESS_CHECKERS_VERSION);
            return true;
        }
    }
    return false;
}

const char* optionValue(int argc, char** argv, const char* option)
{
    const char* value = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            value = argv[i + 1];
    }
    return value;
}

bool geometryGivesSize(int argc, char** argv)
{
    const char* geometry = optionValue(argc, argv, "-geometry");
    if (geometry == nullptr)
        return false;
    // [=][WxH][{+-}X{+-}Y]: a size, when there is one, comes first.
    if (*geometry == '=')
        ++geometry;
    return std::isdigit(static_cast<unsigned char>(*geometry)) != 0;
}
