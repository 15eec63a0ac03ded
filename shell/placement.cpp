// SPDX-License-Identifier: MIT
#include "shell/placement.h"

#include "shell/gl.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr window_place preferred { 680, 100, 550 };
// A window manager places its frame at the requested corner: the title bar adds to the height
// and the borders to the width of what must fit.
constexpr int frameWidth = 10, frameHeight = 40;

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

bool fitsOn(const screen_area& monitor, window_place place, int frameX, int frameY)
{
    return place.x >= monitor.x && place.y >= monitor.y
        && place.x + place.size + frameX <= monitor.x + monitor.width
        && place.y + place.size + frameY <= monitor.y + monitor.height;
}

} // namespace

window_place placeWindow(const display_layout& layout)
{
    // Xft.dpi comes from the desktop: a scale that is no number, or absurd, is kept in bounds.
    const double scale = layout.scale > 1 ? std::min(layout.scale, 16.0) : 1.0;
    const window_place wanted { scaled(preferred.x, scale), scaled(preferred.y, scale),
        scaled(preferred.size, scale) };
    const int frameX = scaled(frameWidth, scale), frameY = scaled(frameHeight, scale);
    for (const screen_area& monitor : layout.monitors) {
        if (fitsOn(monitor, wanted, frameX, frameY))
            return wanted;
    }
    if (layout.monitors.empty() || layout.monitors[0].width <= 0 || layout.monitors[0].height <= 0)
        return wanted;
    const screen_area& first = layout.monitors[0];
    int roomX = first.width - frameX;
    int roomY = first.height - frameY;
    int size = std::max(1, std::min({ wanted.size, roomX, roomY }));
    int x = std::max(0, std::min(wanted.x, roomX - size));
    int y = std::max(0, std::min(wanted.y, roomY - size));
    return { first.x + x, first.y + y, size };
}

void initWindowPlace(bool sizeGiven, display_layout layout)
{
    if (layout.monitors.empty())
        layout.monitors.push_back(
            { 0, 0, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT) });
    window_place place = placeWindow(layout);
    if (!sizeGiven)
        glutInitWindowSize(place.size, place.size);
    // GLUT reports -1 until a -geometry gives the position.
    if (glutGet(GLUT_INIT_WINDOW_X) < 0 || glutGet(GLUT_INIT_WINDOW_Y) < 0)
        glutInitWindowPosition(place.x, place.y);
}
