// SPDX-License-Identifier: MIT
// What every system shares at start and exit: the standard streams, --help and --version, the
// command-line values the program reads before GLUT, and the leak check.
#include "platform/platform.h"

// gcc announces AddressSanitizer with a macro of its own, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define CHESS_CHECKERS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CHESS_CHECKERS_ASAN 1
#endif
#endif
#if defined(CHESS_CHECKERS_ASAN)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

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
                     "  z and d are the characters: the keyboard layout must give them, and\n"
                     "  Caps Lock gives Z and D, which are other keys.\n"
                     "\n";
// GLUT's options on every system; those of the system the program was built for follow.
const char glutOptions[]
    = "GLUT options:\n"
      "  -geometry WxH+X+Y\n"
      "                  the window's size and position, or either alone; by\n"
      "                  default 550x550+680+100 (scaled for the desktop's DPI\n"
      "                  where the system tells it), on the main monitor if\n"
      "                  it does not fit wholly on one, moved and shrunk only\n"
      "                  if need be\n"
      "  -iconic         start with the window minimised\n";
const char infoOptions[] = "  -gldebug        report OpenGL errors after each redraw\n"
                           "\n"
                           "  --help          show this text and exit\n"
                           "  --version       show the version and exit\n";

// Reads a number, with the sign an offset may carry, and moves past it; false if there is none.
// Bounded far beyond any screen, so that sums with it cannot overflow.
bool readNumber(const char*& text, int& value)
{
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (end == text || std::isspace(static_cast<unsigned char>(*text)))
        return false;
    constexpr long bound = 1L << 20;
    value = static_cast<int>(std::clamp(number, -bound, bound));
    text = end;
    return true;
}

// The status once an answer is out: a reader that has gone away is no failure of the program's.
int answered()
{
    if ((std::fflush(stdout) == 0 && !std::ferror(stdout)) || errno == EPIPE)
        return 0;
    std::perror("chess-checkers: cannot write to standard output");
    return 1;
}

} // namespace

bool settleStandardStreams()
{
#if defined(__unix__)
    std::signal(SIGPIPE, SIG_IGN);
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        // The lowest free number is the closed one, as those below it are open.
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF
            && open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) != fd) {
            std::perror("chess-checkers: cannot open /dev/null");
            return false;
        }
    }
#endif
    return true;
}

int answerInfoOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            std::fputs(glutOptions, stdout);
            std::fputs(systemOptions, stdout);
            std::fputs(infoOptions, stdout);
            return answered();
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("chess-checkers " CHESS_CHECKERS_VERSION);
            return answered();
        }
    }
    return -1;
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

geometry_request geometryRequest(int argc, char** argv)
{
    const char* text = optionValue(argc, argv, "-geometry");
    if (text == nullptr)
        return {};
    if (*text == '=')
        ++text;
    geometry_request request;
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    if (digit(*text)) {
        if (!readNumber(text, request.width) || (*text != 'x' && *text != 'X') || !digit(*++text)
            || !readNumber(text, request.height))
            return {};
        request.hasSize = true;
    }
    if (*text == '+' || *text == '-') {
        request.fromRight = *text++ == '-';
        if (!readNumber(text, request.x) || (*text != '+' && *text != '-'))
            return {};
        request.fromBottom = *text++ == '-';
        if (!readNumber(text, request.y))
            return {};
        request.hasPosition = true;
    }
    return *text == '\0' ? request : geometry_request {};
}

void checkLeaksNow()
{
#if defined(CHESS_CHECKERS_ASAN)
    __lsan_do_leak_check();
#endif
}

#if !defined(__EMSCRIPTEN__) // the web's is in web/web.cpp
void endProgram()
{
    checkLeaksNow();
    std::exit(0);
}
#endif
