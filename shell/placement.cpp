// SPDX-License-Identifier: MIT
#include "shell/placement.h"

#include "shell/gl.h"
#include <algorithm>

namespace {

constexpr window_place preferred { 680, 100, 550 };
// A window manager places its frame at the requested corner: the title bar adds to the height
// and the borders to the width of what must fit.
constexpr int frameWidth = 10, frameHeight = 40;

} // namespace

window_place fitWindow(int screenWidth, int screenHeight)
{
    if (screenWidth <= 0 || screenHeight <= 0)
        return preferred;
    int roomX = screenWidth - frameWidth;
    int roomY = screenHeight - frameHeight;
    int size = std::max(1, std::min({ preferred.size, roomX, roomY }));
    int x = std::max(0, std::min(preferred.x, roomX - size));
    int y = std::max(0, std::min(preferred.y, roomY - size));
    return { x, y, size };
}

void initWindowPlace(bool sizeGiven)
{
    window_place place = fitWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    if (!sizeGiven)
        glutInitWindowSize(place.size, place.size);
    // GLUT reports -1 until a -geometry gives the position.
    if (glutGet(GLUT_INIT_WINDOW_X) < 0 || glutGet(GLUT_INIT_WINDOW_Y) < 0)
        glutInitWindowPosition(place.x, place.y);
}
