// SPDX-License-Identifier: MIT
// GLUT alone, for builds without Xlib: the shared placement on the screen GLUT reports.
// [ ] No class, process id or icon of the program's own; a lost window goes unnoticed; GLUT
//     reports a display it cannot open; menus close only on a press in the program's windows.
#include "platform/platform.h"

bool displayUsable(int, char**, display_layout&) { return true; }

void announceWindow() { }

bool windowGone() { return false; }

void anchorWindow(bool, bool) { }

void holdInputForMenu(bool) { }

void paintMenusAsTheyOpen(int) { }
