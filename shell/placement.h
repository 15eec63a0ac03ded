// SPDX-License-Identifier: MIT
#pragma once

// Where the window opens: 550 by 550 at (680, 100) where that fits on the screen, else moved,
// and shrunk only if need be, so that the whole window, a window manager's frame included, is on
// it. A screen of unknown size (0) gets the preferred place.
struct window_place {
    int x, y, size;
};
window_place fitWindow(int screenWidth, int screenHeight);

// Sets GLUT's initial size and position from fitWindow, except what -geometry gave.
void initWindowPlace(bool sizeGiven);
