// SPDX-License-Identifier: MIT
#pragma once

// Where the window opens: the rule, apart from any window system, so that it can be tested.

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

// What a -geometry option asks for, [=][WxH][{+-}X{+-}Y]: a size, a position, either or both.
// An offset after a minus counts from the screen's right or bottom edge to the window's.
struct geometry_request {
    bool hasSize = false, hasPosition = false;
    int width = 0, height = 0;
    int x = 0, y = 0;
    bool fromRight = false, fromBottom = false;
};

struct window_place {
    int x, y, width, height;
};

// Where the window opens. Without a position asked for: 550 by 550 at (680, 100), both scaled by
// the layout's scale (a size asked for is kept as it is), where the whole window, a window
// manager's frame included, lies on one monitor; otherwise on the first monitor, at the same place
// from its corner, moved and shrunk only if need be to fit on it. A position asked for is kept,
// counted from the corner it names. Any size stays between a small playable board and what fits on
// the first monitor. With no monitor known, the preferred place.
window_place placeWindow(const display_layout& layout, const geometry_request& request = {});
