// SPDX-License-Identifier: MIT
#include "shell/cli.h"
#include "shell/gl.h"
#include "shell/placement.h"
#include "shell/shell.h"
#include "shell/window.h"

#include <csignal>

int main(int argc, char** argv)
{
    openClosedStandardStreams();
    if (answerInfoOption(argc, argv))
        return 0;
    display_layout layout;
    if (!displayUsable(argc, argv, layout))
        return 1;
#if defined(SIGPIPE) // POSIX; Windows has no such signal
    // Output to a reader that has gone away fails quietly instead of ending the game.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const geometry_request request = geometryRequest(argc, argv);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    initWindowPlace(request, layout);
    anchorWindow(request.fromRight, request.fromBottom);
    glutCreateWindow("Chess & Checkers");
    announceWindow();
    registerCallbacks();
#if defined(FREEGLUT)
    glutCloseFunc(windowClosed);
#endif
    printWelcome();
    paintMenusAsTheyOpen(buildMenus());
    glutMainLoop();
    return 0;
}
