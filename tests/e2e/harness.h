// SPDX-License-Identifier: MIT
#pragma once
// What the parts of the end-to-end harness share: time, external commands and the X connection.

#include "e2e/program.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xlib.h>

namespace e2e {

// Asks until the answer is yes or the time is up, every stepMs (0: the question waits itself);
// the last answer.
bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs = 20);
// Starts a program that dies with the test process, whatever ends that; its standard output and
// error go where asked (-1: where the test's go), and `more` become its descriptors 3, 4...
pid_t spawn(const std::vector<std::string>& argv, int out = -1, int err = -1,
    const std::vector<int>& more = {});
// Runs a shell command (xdotool and the like); throws if it fails.
void run(const std::string& command);

// The connection to the display that DISPLAY names, opened on first use: a test may start a
// display of its own, and then drops the connection to the old one.
Display* display();
void disconnect();
// Where the window is on the screen, and its size.
rect geometry(Window w);
// The colour on the screen at a pixel of the window, each channel 0 to 255; -1s where unreadable.
std::array<int, 3> pixelOf(Window w, int x, int y);
// The pop-up menus on the screen.
std::vector<Window> menuWindows();

} // namespace e2e
