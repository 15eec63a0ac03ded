// SPDX-License-Identifier: MIT
// The program's window as X sees it: geometry, class, pixels, and its closing by others.
#include "e2e/harness.h"

#include <cstdlib>
#include <stdexcept>

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xutil.h>

#include "e2e/x11_windows.h"

namespace e2e {

namespace {

    Display* connection = nullptr;

    int ignoreError(Display*, XErrorEvent*) { return 0; }

    Window frameOf(Window w)
    {
        Display* d = display();
        for (;;) {
            Window root, parent, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(d, w, &root, &parent, &children, &count))
                return w;
            if (children != nullptr)
                XFree(children);
            if (parent == root)
                return w;
            w = parent;
        }
    }

} // namespace

void disconnect()
{
    if (connection != nullptr)
        XCloseDisplay(connection);
    connection = nullptr;
}

Display* display()
{
    if (connection == nullptr) {
        connection = XOpenDisplay(nullptr);
        // A window looked at may be unmapped, moved off the screen or gone by the next request:
        // the reply then says so, and the test goes on.
        XSetErrorHandler(ignoreError);
    }
    if (connection == nullptr)
        throw std::runtime_error("no X display: run the tests through 'make test'");
    return connection;
}

rect geometry(Window w)
{
    Display* d = display();
    XWindowAttributes a;
    XGetWindowAttributes(d, w, &a);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    return { x, y, a.width, a.height };
}

std::vector<Window> menuWindows()
{
    Display* d = display();
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    std::vector<Window> menus;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a;
        // By the toolkit's name: under Wine they are not override-redirect.
        char* name = nullptr;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable
            && XFetchName(d, children[i], &name) && std::string(name) == "freeglut menu")
            menus.push_back(children[i]);
        if (name != nullptr)
            XFree(name);
    }
    if (children != nullptr)
        XFree(children);
    return menus;
}

rect program::window() const { return geometry(window_); }

rect program::frame() const { return geometry(frameOf(window_)); }

std::string program::windowClass() const
{
    XClassHint hint {};
    if (!XGetClassHint(display(), window_, &hint))
        return "";
    std::string both = std::string(hint.res_name) + "/" + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return both;
}

long program::windowPid() const { return e2e::windowPid(display(), window_); }

std::array<int, 3> program::pixel(int x, int y) const { return pixelOf(window_, x, y); }

std::array<int, 3> pixelOf(Window window, int x, int y)
{
    Display* d = display();
    // Read off the screen, so that a menu over the window counts as what the player sees.
    rect w = geometry(window);
    XImage* image = XGetImage(d, DefaultRootWindow(d), w.x + x, w.y + y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return { -1, -1, -1 };
    unsigned long p = XGetPixel(image, 0, 0);
    auto channel = [p](unsigned long mask) {
        int shift = 0;
        while (mask != 0 && (mask & 1) == 0) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<int>((p >> shift) & mask);
    };
    std::array<int, 3> rgb
        = { channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask) };
    XDestroyImage(image);
    return rgb;
}

bool program::waitForPixel(int x, int y, std::array<int, 3> colour, int timeoutMs) const
{
    return waitUntil(
        [&] {
            std::array<int, 3> p = pixel(x, y);
            bool near = true;
            for (int i = 0; i < 3; ++i)
                near = near && std::abs(p[i] - colour[i]) <= 2;
            return near;
        },
        timeoutMs);
}

void program::onWindow(const std::string& command) const
{
    run("xdotool " + command + " " + std::to_string(window_));
}

bool program::menuClosed() const
{
    return waitUntil([] { return menuWindows().empty(); }, 3000);
}

void program::closeByWindowManager() const
{
    // What a taskbar sends: the window manager then asks the program to close its window.
    Display* d = display();
    XEvent e {};
    e.xclient.type = ClientMessage;
    e.xclient.window = window_;
    e.xclient.message_type = XInternAtom(d, "_NET_CLOSE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[1] = 2; // from a pager or taskbar
    XSendEvent(
        d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(d);
}

} // namespace e2e
