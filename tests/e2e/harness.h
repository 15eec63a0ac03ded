// SPDX-License-Identifier: MIT
#pragma once
// What the parts of the end-to-end harness share: time, external commands and the X connection.

#include "e2e/program.h"

#include <chrono>
#include <string>
#include <vector>

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xlib.h>

namespace e2e {

using clock_type = std::chrono::steady_clock;

void pause(int ms);
// Runs a shell command (xdotool and the like); throws if it fails.
void run(const std::string& command);

// The connection to the display that DISPLAY names, opened on first use: a test may start a
// display of its own, and then drops the connection to the old one.
Display* display();
void disconnect();
// Where the window is on the screen, and its size.
rect geometry(Window w);
// The pop-up menus on the screen.
std::vector<Window> menuWindows();

} // namespace e2e
