// SPDX-License-Identifier: MIT
// The program on an X desktop, through Xlib beside GLUT.
// [X] The window's class, process id and icon; one monitor (RandR 1.5, else Xinerama) and
//     Xft.dpi for its place; -geometry corners kept by the window's gravity.
// [X] A window destroyed by another client ends the program as a close does.
// [X] Menus drawn as they open; closed by a press anywhere outside them, and by Escape.
#include "platform/platform.h"

#include "platform/interpose.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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
#include <X11/extensions/XInput2.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

const char systemOptions[] = "  -display NAME   the X display to open (default: $DISPLAY)\n"
                             "  -direct         insist on direct rendering\n"
                             "  -indirect       use indirect rendering\n"
                             "  -sync           synchronous X protocol, for debugging\n";

namespace {

Display* mainDisplay = nullptr;
Window mainWindow = None;
int anchorGravity = NorthWestGravity;
bool menuOpen = false;
int grabbedPointer = 0; // the XInput 2 device grabbed for an open menu, if any
// The toolkit's window numbers of the pop-up menus.
int firstMenuWindow = 0, lastMenuWindow = -1;
// A press that freeglut cannot take for one inside any menu: it measures window coordinates
// against the menus' screen coordinates, so it is placed far beyond both.
constexpr int farAway = -30000;

void setCardinals(
    Display* display, Window window, const char* name, const unsigned long* values, int count)
{
    // Format 32 properties are passed as longs, whatever their width on the wire.
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(values), count);
}

// A window manager then keeps the anchored corner of its frame where the window's is.
void setGravity(Display* display, Window window)
{
    XSizeHints hints {};
    long supplied = 0;
    XGetWMNormalHints(display, window, &hints, &supplied);
    hints.flags |= PWinGravity;
    hints.win_gravity = anchorGravity;
    XSetWMNormalHints(display, window, &hints);
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
    if (anchorGravity != NorthWestGravity)
        setGravity(display, window);
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

// Takes the pointer for an open menu; events over the program's own windows, the menus among
// them, still go where they would. The toolkit selects XInput 2 button events, so the server's
// grab of a press still held is an XInput 2 grab, which only a grab of that kind by the same
// client can take over; a core grab is the fallback without the extension.
void holdPointer()
{
    int opcode = 0, event = 0, error = 0, pointer = 0;
    if (XQueryExtension(mainDisplay, "XInputExtension", &opcode, &event, &error)
        && XIGetClientPointer(mainDisplay, None, &pointer)) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_ButtonPress);
        XISetMask(bits, XI_ButtonRelease);
        XIEventMask mask { pointer, sizeof bits, bits };
        if (XIGrabDevice(mainDisplay, pointer, mainWindow, CurrentTime, None, XIGrabModeAsync,
                XIGrabModeAsync, True, &mask)
            == GrabSuccess) {
            grabbedPointer = pointer;
            return;
        }
    }
    XGrabPointer(mainDisplay, mainWindow, True, ButtonPressMask | ButtonReleaseMask, GrabModeAsync,
        GrabModeAsync, None, None, CurrentTime);
}

void releasePointer()
{
    if (grabbedPointer != 0)
        XIUngrabDevice(mainDisplay, grabbedPointer, CurrentTime);
    else
        XUngrabPointer(mainDisplay, CurrentTime);
    grabbedPointer = 0;
}

// While a menu is open, presses reported to the main window come from outside every menu, and
// Escape anywhere is meant to close it: both become a press far outside, which closes the menu.
void closeMenuOnOutsideInput(XEvent& event)
{
    if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XK_Escape) {
        // Key and button events share one layout: the key becomes a press of the first button.
        event.type = ButtonPress;
        event.xbutton.window = mainWindow;
        event.xbutton.button = Button1;
    }
    if (event.type == ButtonPress && event.xbutton.window == mainWindow)
        event.xbutton.x = event.xbutton.y = farAway;
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
    // strtod takes "inf" and "nan" as numbers; neither is a resolution.
    return std::isfinite(dpi) && dpi > 96 ? dpi / 96 : 1;
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

// Calls act with each pop-up menu's window current in turn.
void onMenuWindows(void (*act)())
{
    const int current = glutGetWindow();
    for (int window = firstMenuWindow; window <= lastMenuWindow; ++window) {
        glutSetWindow(window);
        act();
    }
    glutSetWindow(current);
}

} // namespace

// GLUT maps its window inside glutCreateWindow and offers no hook before that, yet a window
// manager matches a window to its desktop entry by what it finds at map time. The program's own
// definition comes first in symbol lookup, so the toolkit's call passes through here, and the
// first window it maps, the main one (menus map only when they open), is announced before it is
// ever shown.
extern "C" int XMapWindow(Display* display, Window window)
{
    static const auto next = nextDefinition<int (*)(Display*, Window)>("XMapWindow");
    if (mainWindow == None)
        announce(display, window);
    return next(display, window);
}

// The toolkit's menus on X take no grab: a click in another program left a menu open, and the
// game's keys dead under it, until a click in the game. The toolkit reads every event here.
extern "C" int XNextEvent(Display* display, XEvent* event)
{
    static const auto next = nextDefinition<int (*)(Display*, XEvent*)>("XNextEvent");
    int result = next(display, event);
    if (menuOpen)
        closeMenuOnOutsideInput(*event);
    return result;
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

bool windowGone()
{
    if (mainWindow == None)
        return false;
    XSync(mainDisplay, False);
    auto previous = XSetErrorHandler(ignoreError);
    XWindowAttributes attributes;
    bool gone = XGetWindowAttributes(mainDisplay, mainWindow, &attributes) == 0;
    // The toolkit's teardown at exit still destroys the window it believes it has.
    if (!gone)
        XSetErrorHandler(previous);
    return gone;
}

void anchorWindow(bool fromRight, bool fromBottom)
{
    static const int gravities[2][2]
        = { { NorthWestGravity, SouthWestGravity }, { NorthEastGravity, SouthEastGravity } };
    anchorGravity = gravities[fromRight][fromBottom];
}

void holdInputForMenu(bool open)
{
    if (mainWindow == None || open == menuOpen)
        return;
    menuOpen = open;
    if (open) {
        holdPointer();
        XGrabKeyboard(mainDisplay, mainWindow, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    } else {
        releasePointer();
        XUngrabKeyboard(mainDisplay, CurrentTime);
        // freeglut 3.4 shows a submenu as deferred work but hides menus at once: a submenu opened
        // in the same round of events as the menus close is shown after they have closed, and
        // stays. A deferred hide of every menu window comes last and wins.
        onMenuWindows(glutHideWindow);
    }
    XFlush(mainDisplay);
}

void paintMenusAsTheyOpen([[maybe_unused]] int menuCount)
{
#if defined(FREEGLUT)
    // freeglut numbers each menu's window after the main window's, in the menus' order.
    firstMenuWindow = glutGetWindow() + 1;
    lastMenuWindow = glutGetWindow() + menuCount;
    onMenuWindows([] { glutReshapeFunc(menuReshape); });
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
