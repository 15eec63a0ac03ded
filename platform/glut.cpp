// SPDX-License-Identifier: MIT
// GLUT alone, for builds without Xlib: the shared placement on the screen GLUT reports.
// [ ] No class, process id or icon of the program's own; a lost window goes unnoticed; GLUT
//     reports a display it cannot open; menus close only on a press in the program's windows.
#include "platform/platform.h"

const char systemOptions[]
    = "  -geometry WxH+X+Y\n"
      "                  the window's size and position, or either alone; by\n"
      "                  default 550x550+680+100, moved and shrunk only if\n"
      "                  need be to fit on the screen\n"
      "  -iconic         start with the window iconified\n";

bool displayUsable(int, char**, display_layout&) { return true; }

void announceWindow() { }

bool windowGone() { return false; }

void anchorWindow(bool, bool) { }

void holdInputForMenu(bool) { }

void paintMenusAsTheyOpen(int) { }
