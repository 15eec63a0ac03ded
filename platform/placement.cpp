// SPDX-License-Identifier: MIT
#include "platform/placement.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr window_place preferred { 680, 100, 550, 550 };
// A window manager places its frame at the requested corner: the title bar adds to the height
// and the borders to the width of what must fit.
constexpr int frameWidth = 10, frameHeight = 40;
// Below this the pieces can no longer be told apart: 15 pixels a square.
constexpr int smallestSide = 120;

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

bool fitsOn(const screen_area& monitor, window_place place, int frameX, int frameY)
{
    return place.x >= monitor.x && place.y >= monitor.y
        && place.x + place.width + frameX <= monitor.x + monitor.width
        && place.y + place.height + frameY <= monitor.y + monitor.height;
}

// What the monitors cover together: the screen that -geometry offsets count from.
screen_area screenOf(const std::vector<screen_area>& monitors)
{
    int left = monitors[0].x, top = monitors[0].y;
    int right = left + monitors[0].width, bottom = top + monitors[0].height;
    for (const screen_area& m : monitors) {
        left = std::min(left, m.x);
        top = std::min(top, m.y);
        right = std::max(right, m.x + m.width);
        bottom = std::max(bottom, m.y + m.height);
    }
    return { left, top, right - left, bottom - top };
}

// At the position asked for, counted from the screen's edge it names; the size bounded already.
window_place atRequestedPosition(
    const std::vector<screen_area>& monitors, const geometry_request& request, window_place place)
{
    const screen_area screen = screenOf(monitors);
    place.x = request.fromRight ? screen.x + screen.width - place.width - request.x
                                : screen.x + request.x;
    place.y = request.fromBottom ? screen.y + screen.height - place.height - request.y
                                 : screen.y + request.y;
    return place;
}

} // namespace

window_place placeWindow(const display_layout& layout, const geometry_request& request)
{
    // Xft.dpi comes from the desktop: a scale that is no number, or absurd, is kept in bounds.
    const double scale = layout.scale > 1 ? std::min(layout.scale, 16.0) : 1.0;
    const int side = scaled(preferred.width, scale);
    window_place wanted { scaled(preferred.x, scale), scaled(preferred.y, scale),
        std::max(request.hasSize ? request.width : side, smallestSide),
        std::max(request.hasSize ? request.height : side, smallestSide) };
    const int frameX = scaled(frameWidth, scale), frameY = scaled(frameHeight, scale);
    if (layout.monitors.empty() || layout.monitors[0].width <= 0 || layout.monitors[0].height <= 0)
        return wanted;
    const screen_area& first = layout.monitors[0];
    const int roomX = first.width - frameX, roomY = first.height - frameY;
    for (const screen_area& monitor : layout.monitors) {
        if (!request.hasPosition && fitsOn(monitor, wanted, frameX, frameY))
            return wanted;
    }
    int width = std::min(wanted.width, roomX), height = std::min(wanted.height, roomY);
    if (!request.hasSize) // the preferred window stays square
        width = height = std::min(width, height);
    width = std::max(width, smallestSide);
    height = std::max(height, smallestSide);
    if (request.hasPosition)
        return atRequestedPosition(layout.monitors, request, { 0, 0, width, height });
    int x = std::max(0, std::min(wanted.x, roomX - width));
    int y = std::max(0, std::min(wanted.y, roomY - height));
    return { first.x + x, first.y + y, width, height };
}
