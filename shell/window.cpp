// SPDX-License-Identifier: MIT
#include "shell/window.h"

#include "window_icon.h" // windowIcon: width, height, then ARGB pixels row by row

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace {

void setCardinals(
    Display* display, Window window, const char* name, const unsigned long* values, int count)
{
    // Format 32 properties are passed as longs, whatever their width on the wire.
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(values), count);
}

} // namespace

void announceWindow()
{
    // GLUT has made the new window's context current; its drawable is the X window.
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None)
        return;
    char name[] = "chess-checkers";
    XClassHint hint { name, name };
    XSetClassHint(display, window, &hint);
    const unsigned long pid = static_cast<unsigned long>(getpid());
    setCardinals(display, window, "_NET_WM_PID", &pid, 1);
    setCardinals(display, window, "_NET_WM_ICON", windowIcon,
        static_cast<int>(sizeof windowIcon / sizeof windowIcon[0]));
    XFlush(display);
}
