// SPDX-License-Identifier: MIT
#pragma once

#include "shell/placement.h"

// What the program asks of the window system beyond GLUT. Built on Xlib where the build has it,
// and otherwise as no-ops (shell/window_plain.cpp), so the game runs wherever GLUT does.

// Whether the display GLUT will use (its -display argument, else DISPLAY) can be opened; if not,
// says so in one line on standard error. If so, what it tells of its monitors and scale.
bool displayUsable(int argc, char** argv, display_layout& layout);

// Gives the main window what docks and task switchers look for: its class (matched by the
// desktop entry's StartupWMClass), the owning process and the game's icon. They are set as the
// toolkit maps the window; this call only covers a toolkit that mapped it some other way.
void announceWindow();

// Whether the main window is gone, destroyed by another client: the toolkit reports that only as
// the window hidden. If so, errors from the toolkit's own teardown are ignored from then on.
bool windowGone();

// Which corner of the screen a -geometry position counts from, so that a window manager keeps
// the same corner of its frame there, wholly on the screen. Call before the window is created.
void anchorWindow(bool fromRight, bool fromBottom);

// While a pop-up menu is open, a press anywhere outside it, in another program's window too,
// closes it and goes no further, and so does Escape; call as a menu opens and as it closes.
void holdInputForMenu(bool open);

// Has each of the menuCount pop-up menus, made right after the main window, drawn in full the
// first time it opens; call it with the main window current.
void paintMenusAsTheyOpen(int menuCount);
