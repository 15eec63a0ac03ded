// SPDX-License-Identifier: MIT
#include "shell/window.h"

#include "shell/cli.h"
#include "shell/gl.h"
#include "shell/shell.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

#if defined(CHESS_CHECKERS_WINDOW_ICON)
#include "window_icon.h" // windowIcon: width, height, then ARGB pixels row by row
#endif

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>

namespace {

Display* mainDisplay = nullptr;
Window mainWindow = None;

void setCardinals(
    Display* display, Window window, const char* name, const unsigned long* values, int count)
{
    // Format 32 properties are passed as longs, whatever their width on the wire.
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(values), count);
}

void announce(Display* display, Window window)
{
    mainDisplay = display;
    mainWindow = window;
    char name[] = "chess-checkers";
    XClassHint hint { name, name };
    XSetClassHint(display, window, &hint);
    const unsigned long pid = static_cast<unsigned long>(getpid());
    setCardinals(display, window, "_NET_WM_PID", &pid, 1);
#if defined(CHESS_CHECKERS_WINDOW_ICON)
    setCardinals(display, window, "_NET_WM_ICON", windowIcon,
        static_cast<int>(sizeof windowIcon / sizeof windowIcon[0]));
#endif
}

int ignoreError(Display*, XErrorEvent*) { return 0; }

// freeglut 3.4 creates each menu window at 300x300, resizes it to its entries as it opens and
// draws it once, on the Expose. Mesa's software GLX learns a window's new size only at a flush,
// so that one frame goes to a buffer of the old size and is lost: the menu shows black until
// the pointer highlights an entry. A flushed clear as the window is resized, with the menu's
// context current, makes Mesa take the new size before the toolkit's draw.
void menuReshape(int width, int height)
{
    glViewport(0, 0, width, height); // what the toolkit's own reshape does
    Display* display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    XWindowAttributes attributes;
    // The toolkit also reshapes each menu at start-up, before it is ever mapped: a flush then has
    // nothing to show, and softpipe may fail it with BadMatch.
    if (display == nullptr || !XGetWindowAttributes(display, drawable, &attributes)
        || attributes.map_state != IsViewable)
        return;
    glClearColor(0.7f, 0.7f, 0.7f, 1); // the toolkit's menu grey
    glClear(GL_COLOR_BUFFER_BIT);
    glFlush();
}

bool mainWindowExists()
{
    XSync(mainDisplay, False);
    auto previous = XSetErrorHandler(ignoreError);
    XWindowAttributes attributes;
    bool exists = XGetWindowAttributes(mainDisplay, mainWindow, &attributes) != 0;
    XSetErrorHandler(previous);
    return exists;
}

// A window destroyed by another client reaches the toolkit only as the window hidden.
void windowStatus(int state)
{
    if (state != GLUT_HIDDEN || mainWindowExists())
        return;
    // The toolkit's teardown at exit still destroys the window it believes it has.
    XSetErrorHandler(ignoreError);
    quit();
}

// Desktops that scale for HiDPI screens say so in the Xft.dpi resource (192 at 200 %).
double desktopScale(Display* display)
{
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr)
        return 1;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value {};
    double dpi = 0;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr)
        dpi = std::strtod(value.addr, nullptr);
    XrmDestroyDatabase(database);
    return dpi > 96 ? dpi / 96 : 1;
}

bool hasRandrMonitors(Display* display)
{
    int event = 0, error = 0, major = 0, minor = 0;
    return XRRQueryExtension(display, &event, &error) && XRRQueryVersion(display, &major, &minor)
        && (major > 1 || minor >= 5);
}

// RandR 1.5 monitors, the primary first; else the screens of Xinerama, which older set-ups
// that join several screens into one use instead of RandR.
std::vector<screen_area> monitorsOf(Display* display)
{
    std::vector<screen_area> monitors;
    if (hasRandrMonitors(display)) {
        int count = 0;
        XRRMonitorInfo* info = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
        for (int i = 0; i < count; ++i) {
            screen_area area { info[i].x, info[i].y, info[i].width, info[i].height };
            monitors.insert(info[i].primary ? monitors.begin() : monitors.end(), area);
        }
        if (info != nullptr)
            XRRFreeMonitors(info);
    }
    if (monitors.empty() && XineramaIsActive(display)) {
        int count = 0;
        XineramaScreenInfo* info = XineramaQueryScreens(display, &count);
        for (int i = 0; i < count; ++i)
            monitors.push_back({ info[i].x_org, info[i].y_org, info[i].width, info[i].height });
        if (info != nullptr)
            XFree(info);
    }
    return monitors;
}

} // namespace

// GLUT maps its window inside glutCreateWindow and offers no hook before that, yet a window
// manager matches a window to its desktop entry by what it finds at map time. The program's own
// definition comes first in symbol lookup, so the toolkit's call passes through here, and the
// first window it maps, the main one (menus map only when they open), is announced before it is
// ever shown.
extern "C" int XMapWindow(Display* display, Window window)
{
    using map_function = int (*)(Display*, Window);
    static const auto next = reinterpret_cast<map_function>(dlsym(RTLD_NEXT, "XMapWindow"));
    if (mainWindow == None)
        announce(display, window);
    return next(display, window);
}

void announceWindow()
{
    if (mainWindow != None)
        return;
    // GLUT has made the new window's context current; its drawable is the X window.
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None)
        return;
    announce(display, window);
    XFlush(display);
}

void watchWindow()
{
    if (mainWindow != None)
        glutWindowStatusFunc(windowStatus);
}

void paintMenusAsTheyOpen(int menuCount)
{
#if defined(FREEGLUT)
    // freeglut numbers each menu's window after the main window's, in the menus' order.
    const int mainWindow = glutGetWindow();
    for (int window = mainWindow + 1; window <= mainWindow + menuCount; ++window) {
        glutSetWindow(window);
        glutReshapeFunc(menuReshape);
    }
    glutSetWindow(mainWindow);
#else
    (void)menuCount;
#endif
}

bool displayUsable(int argc, char** argv, display_layout& layout)
{
    const char* name = optionValue(argc, argv, "-display");
    if (name == nullptr)
        name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        std::fputs("chess-checkers: cannot open display: DISPLAY is not set\n", stderr);
        return false;
    }
    Display* display = XOpenDisplay(name);
    if (display == nullptr) {
        std::fprintf(stderr, "chess-checkers: cannot open display: %s\n", name);
        return false;
    }
    layout = { monitorsOf(display), desktopScale(display) };
    XCloseDisplay(display);
    return true;
}
