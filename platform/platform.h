// SPDX-License-Identifier: MIT
#pragma once

// What the program adds to meet the system it runs on, beyond GLUT; the shell's only way there,
// and a library apart from it. One source per system, chosen by the build (x11.cpp, windows.cpp,
// web/web.cpp: each says what it gives), glut.cpp for what a system leaves out, and two that
// serve them all: start.cpp and placement.cpp.

#include "platform/placement.h"

// Before GLUT sees the command line: points each closed one of standard input, output and error
// at the null device, lest the display connection take its number and the welcome text be
// written into the X protocol stream; output to a reader that has gone away fails quietly.
// False, said on standard error, where one cannot be: the program should then end with status 1.
bool settleStandardStreams();
// Answers --help and --version on standard output. When one was asked for, the status the program
// should then end with, without opening a display: 0, or 1 where the answer could not be written
// (said on standard error); otherwise -1.
int answerInfoOption(int argc, char** argv);
// The GLUT options that act on this system alone, as --help lists them after the common ones.
extern const char systemOptions[];
// Whether the display GLUT will use (its -display argument, else DISPLAY) can be opened; if not,
// says so in one line on standard error. If so, what it tells of its monitors and scale.
bool displayUsable(int argc, char** argv, display_layout& layout);
// The argument after the last occurrence of a GLUT option such as -display, or null.
const char* optionValue(int argc, char** argv, const char* option);
// What -geometry asks for; GLUT takes the option out of the arguments, so ask before it sees
// them. A value that is no geometry asks for nothing, as GLUT then takes it.
geometry_request geometryRequest(int argc, char** argv);

// Tells a window manager which corner of the screen a -geometry position counts from, so that it
// keeps that corner of the window's frame there.
void anchorWindow(bool fromRight, bool fromBottom);
// Gives the main window what docks and task switchers look for: its class (matched by the
// desktop entry's StartupWMClass), the owning process and the game's icon. They are set as the
// toolkit maps the window; this call only covers a toolkit that mapped it some other way. On the
// web, fits the canvas to the page and follows its resizes instead.
void announceWindow();
// Whether the main window is gone, destroyed by another client: the toolkit reports that only as
// the window hidden. If so, errors from the toolkit's own teardown are ignored from then on.
bool windowGone();

// Has each of the menuCount pop-up menus, made right after the main window, drawn in full the
// first time it opens; call it with the main window current.
void paintMenusAsTheyOpen(int menuCount);
// While a pop-up menu is open, a press anywhere outside it, in another program's window too,
// closes it and goes no further, and so does Escape; call as a menu opens and as it closes.
void holdInputForMenu(bool open);

// Ends the program with status 0: std::exit after the leak check below; on the web, Emscripten's
// own exit, which tells the page.
[[noreturn]] void endProgram();
// At exit: in a sanitizer build, looks for leaks now, while the GL driver is still loaded (its
// own teardown during exit strands blocks that would be reported against this program).
void checkLeaksNow();
