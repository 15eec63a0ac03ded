// SPDX-License-Identifier: MIT
#include "platform/gl.h"
#include "platform/platform.h"
#include "shell/shell.h"

int main(int argc, char** argv)
{
    settleStandardStreams();
    if (answerInfoOption(argc, argv))
        return 0;
    display_layout layout;
    if (!displayUsable(argc, argv, layout))
        return 1;
    const geometry_request request = geometryRequest(argc, argv);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    initWindowPlace(request, layout);
    glutCreateWindow("Chess & Checkers");
    announceWindow();
    registerCallbacks();
#if defined(FREEGLUT)
    glutCloseFunc(windowClosed);
#endif
    printWelcome();
    const int menus = buildMenus();
    paintMenusAsTheyOpen(menus);
    scaleMenus(menus, layout.scale);
    glutMainLoop();
    return 0;
}
