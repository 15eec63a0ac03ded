#include "shell/shell.h"

#include <GL/glut.h>

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(550, 550);
    glutInitWindowPosition(680, 100);
    glutCreateWindow("Chess & Checkers");
    registerCallbacks();
    printWelcome();
    buildMenus();
    glutMainLoop();
    return 0;
}
