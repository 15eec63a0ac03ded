// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// A rectangle of the screen in pixels, such as one monitor.
struct screen_area {
    int x, y, width, height;
};

// What the display tells about where a window can go: its monitors, the primary one first (none
// where it does not tell), and the desktop's scale for HiDPI screens (1 where it does not scale).
struct display_layout {
    std::vector<screen_area> monitors;
    double scale = 1;
};

struct window_place {
    int x, y, size;
};

// Where the window opens: 550 by 550 at (680, 100), both scaled by the layout's scale, where the
// whole window, a window manager's frame included, lies on one monitor. Otherwise on the first
// monitor, at the same place from its corner, moved and shrunk only if need be to fit on it.
// With no monitor known, the preferred place.
window_place placeWindow(const display_layout& layout);

// Sets GLUT's initial size and position from placeWindow, except what -geometry gave. A layout
// without monitors stands for one monitor, the screen that GLUT reports.
void initWindowPlace(bool sizeGiven, display_layout layout);
