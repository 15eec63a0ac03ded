// SPDX-License-Identifier: MIT
// GLUT alone, where a system adds nothing of its own: the whole of a build without Xlib, and what
// windows.cpp and web/web.cpp leave out.
// [ ] No class, process id or icon of the program's own; a lost window goes unnoticed; GLUT
//     reports a display it cannot open; menus close only on a press in the program's windows.
#include "platform/platform.h"

const char systemOptions[] = "";

#if !defined(_WIN32) // Windows tells its monitors' work areas and DPI
bool displayUsable(int, char**, display_layout&) { return true; }
#endif

#if !defined(__EMSCRIPTEN__) // a page fits its canvas to the browser's window
void announceWindow() { }
#endif

bool windowGone() { return false; }

void anchorWindow(bool, bool) { }

void holdInputForMenu(bool) { }

void paintMenusAsTheyOpen(int) { }
