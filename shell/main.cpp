// SPDX-License-Identifier: MIT
#include "shell/cli.h"
#include "shell/shell.h"
#include "shell/window.h"

#include <GL/glut.h>

int main(int argc, char** argv)
{
    if (answerInfoOption(argc, argv))
        return 0;
    if (!displayUsable(argc, argv))
        return 1;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(550, 550);
    glutInitWindowPosition(680, 100);
    glutCreateWindow("Chess & Checkers");
    announceWindow();
    registerCallbacks();
    printWelcome();
    buildMenus();
    glutMainLoop();
    return 0;
}
