// SPDX-License-Identifier: MIT
#pragma once
// The window of a process on the test display, found by the _NET_WM_PID it carries, so that
// tests running side by side never take each other's windows.

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace e2e {

inline long windowPid(Display* d, Window w)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    if (XGetWindowProperty(
            d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            != Success
        || data == nullptr)
        return -1;
    long pid = count == 1 ? static_cast<long>(*reinterpret_cast<unsigned long*>(data)) : -1;
    XFree(data);
    return pid;
}

inline bool isMenu(Display* d, Window w)
{
    XWindowAttributes a;
    return XGetWindowAttributes(d, w, &a) && a.override_redirect;
}

// The process's main window, not one of its pop-up menus. Searches the whole tree: under a window
// manager a client window sits inside its frame.
inline Window windowOfProcess(Display* d, long pid, Window under = 0)
{
    if (under == 0)
        under = DefaultRootWindow(d);
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(d, under, &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        if (windowPid(d, children[i]) == pid && !isMenu(d, children[i]))
            found = children[i];
        else
            found = windowOfProcess(d, pid, children[i]);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

} // namespace e2e
