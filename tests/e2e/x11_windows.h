// SPDX-License-Identifier: MIT
#pragma once
// Top-level windows on the test display, found by title.

#include <cstring>
#include <vector>

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xlib.h>

namespace e2e {

inline std::vector<Window> windowsNamed(Display* d, const char* title)
{
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    std::vector<Window> found;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(d, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, title) == 0)
                found.push_back(children[i]);
            XFree(name);
        }
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

} // namespace e2e
