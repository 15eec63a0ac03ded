// SPDX-License-Identifier: MIT
// A build without Xlib: GLUT reports a display it cannot open, and the window carries what the
// toolkit gives it.
#include "shell/window.h"

bool displayUsable(int, char**, display_layout&) { return true; }

void announceWindow() { }

bool windowGone() { return false; }

void anchorWindow(bool, bool) { }

void holdInputForMenu(bool) { }

void paintMenusAsTheyOpen(int) { }
