// SPDX-License-Identifier: MIT
#include "platform/gl.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace {

// GLUT's initial size and position from the placement rule; a layout without monitors stands for
// one monitor, the screen that GLUT reports. What the toolkit made of -geometry is replaced: it
// works out a corner from a size it may not have, and takes any size, 0 and sizes beyond what X
// can carry included.
void initWindowPlace(const geometry_request& request, display_layout layout)
{
    if (layout.monitors.empty())
        layout.monitors.push_back(
            { 0, 0, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT) });
    const window_place place = placeWindow(layout, request);
    glutInitWindowSize(place.width, place.height);
    glutInitWindowPosition(place.x, place.y);
    anchorWindow(request.fromRight, request.fromBottom);
}

// Menus on a desktop scaled by 150 % or more are written in the toolkit's largest font.
void scaleMenus([[maybe_unused]] int menuCount, [[maybe_unused]] double scale)
{
#if defined(FREEGLUT)
    // The toolkit numbers menus from 1 in the order they are made; its menu fonts are bitmaps,
    // so a scaled desktop gets the largest one instead of a font a third of the text's size.
    for (int menu = 1; scale >= 1.5 && menu <= menuCount; ++menu)
        glutSetMenuFont(menu, GLUT_BITMAP_TIMES_ROMAN_24);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (!settleStandardStreams())
        return 1;
    if (const int status = answerInfoOption(argc, argv); status >= 0)
        return status;
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
