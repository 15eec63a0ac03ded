// SPDX-License-Identifier: MIT
#include "e2e/program.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Last: Xlib defines macros (None, Bool) that clash with names in other headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "e2e/x11_windows.h"

namespace e2e {

namespace {

    using clock_type = std::chrono::steady_clock;

    Display* connection = nullptr;

    void disconnect()
    {
        if (connection != nullptr)
            XCloseDisplay(connection);
        connection = nullptr;
    }

    // The connection to the display that DISPLAY names: a test may start one of its own.
    Display* display()
    {
        if (connection == nullptr)
            connection = XOpenDisplay(nullptr);
        if (connection == nullptr)
            throw std::runtime_error("no X display: run the tests through 'make test'");
        return connection;
    }

    // Starts a program that dies with the test process, whatever ends that.
    pid_t spawn(const std::vector<const char*>& argv)
    {
        pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            std::vector<char*> args;
            for (const char* a : argv)
                args.push_back(const_cast<char*>(a));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        return pid;
    }

    void end(pid_t& pid)
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        pid = -1;
    }

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

    void run(const std::string& command)
    {
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("failed: " + command);
    }

    // Mapped override-redirect windows: the pop-up menus.
    std::vector<Window> menuWindows()
    {
        Display* d = display();
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        std::vector<Window> menus;
        XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable
                && a.override_redirect)
                menus.push_back(children[i]);
        }
        if (children != nullptr)
            XFree(children);
        return menus;
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

    void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

} // namespace

program::program(const std::string& executable)
{
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    stdout_ = out[0];
    stderr_ = err[0];
    fcntl(stdout_, F_SETFL, O_NONBLOCK);
    fcntl(stderr_, F_SETFL, O_NONBLOCK);
    if (!waitForWindow()) {
        // No destructor runs for a constructor that throws: the child must not outlive it.
        stop();
        throw std::runtime_error("the window of " + executable + " never appeared");
    }
}

bool program::waitForWindow()
{
    auto deadline = clock_type::now() + std::chrono::seconds(10);
    while (window_ == 0 && clock_type::now() < deadline && running()) {
        window_ = windowOfProcess(display(), pid_);
        if (window_ == 0)
            pause(20);
    }
    // Mapped, and drawn at least once, before anyone looks at it.
    XWindowAttributes a;
    while (window_ != 0 && clock_type::now() < deadline
        && XGetWindowAttributes(display(), window_, &a) && a.map_state != IsViewable)
        pause(20);
    return window_ != 0;
}

void program::stop()
{
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(stdout_);
    close(stderr_);
}

program::~program() { stop(); }

void program::pump(int timeoutMs)
{
    pollfd p { stdout_, POLLIN, 0 };
    if (poll(&p, 1, timeoutMs) <= 0)
        return;
    char buffer[4096];
    ssize_t n;
    while ((n = read(stdout_, buffer, sizeof buffer)) > 0)
        out_.append(buffer, static_cast<std::size_t>(n));
}

bool program::waitForOutput(const std::string& text, int timeoutMs)
{
    auto deadline = clock_type::now() + std::chrono::milliseconds(timeoutMs);
    while (out_.find(text, taken_) == std::string::npos) {
        if (clock_type::now() >= deadline)
            return false;
        pump(20);
    }
    return true;
}

std::string program::takeLines(int lines, int timeoutMs)
{
    auto deadline = clock_type::now() + std::chrono::milliseconds(timeoutMs);
    auto complete = [&] {
        std::size_t pos = taken_;
        for (int i = 0; i < lines; ++i) {
            pos = out_.find('\n', pos);
            if (pos == std::string::npos)
                return std::string::npos;
            ++pos;
        }
        return pos;
    };
    std::size_t end;
    while ((end = complete()) == std::string::npos && clock_type::now() < deadline)
        pump(20);
    if (end == std::string::npos)
        end = out_.size();
    std::string text = out_.substr(taken_, end - taken_);
    taken_ = end;
    return text;
}

void program::drain()
{
    for (std::size_t size = out_.size() + 1; size != out_.size();) {
        size = out_.size();
        pump(300);
    }
    taken_ = out_.size();
}

std::string program::errors()
{
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(stderr_, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
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

void program::moveTo(int x, int y) const
{
    rect w = window();
    run("xdotool mousemove " + std::to_string(w.x + x) + " " + std::to_string(w.y + y));
}

void program::press(int x, int y) const
{
    moveTo(x, y);
    run("xdotool mousedown 1");
}

void program::release() const { run("xdotool mouseup 1"); }

void program::drag(int x0, int y0, int x1, int y1) const
{
    press(x0, y0);
    // A few steps, so that the program sees motion as a hand would make it.
    for (int i = 1; i <= 4; ++i)
        moveTo(x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
    release();
}

void program::click(int x, int y) const
{
    moveTo(x, y);
    run("xdotool click 1");
}

void program::key(const std::string& keys) const
{
    rect w = window();
    // Without a window manager the keyboard follows the pointer.
    run("xdotool mousemove " + std::to_string(w.x + w.width / 2) + " "
        + std::to_string(w.y + w.height / 2) + " key " + keys);
}

void program::resize(int width, int height) const
{
    run("xdotool windowsize " + std::to_string(window_) + " " + std::to_string(width) + " "
        + std::to_string(height));
}

namespace {

    // Waits for a menu window that is not among the known ones to show, and adds it to them.
    Window newMenu(std::vector<Window>& known, std::size_t level)
    {
        Window menu = 0;
        auto deadline = clock_type::now() + std::chrono::seconds(3);
        while (menu == 0 && clock_type::now() < deadline) {
            for (Window w : menuWindows()) {
                if (std::find(known.begin(), known.end(), w) == known.end())
                    menu = w;
            }
            if (menu == 0)
                pause(20);
        }
        if (menu == 0)
            throw std::runtime_error("menu level " + std::to_string(level) + " did not open");
        known.push_back(menu);
        return menu;
    }

} // namespace

rect program::openMenu(int x, int y) const
{
    moveTo(x, y);
    std::vector<Window> known = menuWindows();
    // A right click opens the menu and leaves it open.
    run("xdotool click 3");
    rect menu = geometry(newMenu(known, 0));
    rect w = window();
    return { menu.x - w.x, menu.y - w.y, menu.width, menu.height };
}

void program::chooseMenu(
    const std::vector<int>& path, const std::vector<int>& entryCounts, int x, int y) const
{
    moveTo(x, y);
    std::vector<Window> known = menuWindows();
    // A right click opens the menu and leaves it open; a click inside it chooses.
    run("xdotool click 3");
    int entryX = 0, entryY = 0;
    for (std::size_t level = 0; level < path.size(); ++level) {
        Window menu = newMenu(known, level);
        rect m = geometry(menu);
        int entryHeight = (m.height - 4) / entryCounts[level];
        entryX = m.x + 20;
        entryY = m.y + 2 + entryHeight * path[level] + entryHeight / 2;
        run("xdotool mousemove " + std::to_string(entryX) + " " + std::to_string(entryY));
        pause(50);
    }
    run("xdotool click 1");
}

std::array<int, 3> program::pixel(int x, int y) const
{
    Display* d = display();
    // Read off the screen, so that a menu over the window counts as what the player sees.
    rect w = window();
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
    auto deadline = clock_type::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::array<int, 3> p = pixel(x, y);
        bool near = true;
        for (int i = 0; i < 3; ++i)
            near = near && std::abs(p[i] - colour[i]) <= 2;
        if (near)
            return true;
        if (clock_type::now() >= deadline)
            return false;
        pause(20);
    }
}

void program::destroyWindow() const { run("xdotool windowclose " + std::to_string(window_)); }

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

std::string program::dump()
{
    key("d");
    return takeLines(10);
}

bool program::running()
{
    if (exitStatus_ != -1)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int program::waitForExit(int timeoutMs)
{
    auto deadline = clock_type::now() + std::chrono::milliseconds(timeoutMs);
    while (running() && clock_type::now() < deadline)
        pause(20);
    return running() ? -1 : exitStatus_;
}

} // namespace e2e

namespace e2e {

managed_display::managed_display(int width, int height)
{
    const char* outer = std::getenv("DISPLAY");
    outer_ = outer ? outer : "";
    int ready[2];
    if (pipe(ready) != 0)
        throw std::runtime_error("pipe");
    // The server names its display on the pipe once it accepts connections: no guessing.
    const std::string fd = std::to_string(ready[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_ = spawn({ "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
        "tcp", "-noreset" });
    close(ready[1]);
    std::string number;
    pollfd p { ready[0], POLLIN, 0 };
    char c;
    while (poll(&p, 1, 10000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty()) {
        end(server_);
        throw std::runtime_error("Xvfb did not start");
    }
    disconnect();
    setenv("DISPLAY", (":" + number).c_str(), 1);
    // openbox takes over the display before it is ready: a window mapped in between is never
    // managed, nor shown (slow first starts, with no cache yet, made that happen). It runs its
    // --startup command once it manages windows.
    const std::string started = "/tmp/chess-checkers-e2e-wm-" + std::to_string(getpid());
    const std::string touch = "touch " + started;
    manager_ = spawn({ "openbox", "--sm-disable", "--startup", touch.c_str() });
    if (!waitForManager(started)) {
        stop();
        throw std::runtime_error("openbox did not start managing the display");
    }
}

bool managed_display::waitForManager(const std::string& started)
{
    auto deadline = clock_type::now() + std::chrono::seconds(10);
    while (access(started.c_str(), F_OK) != 0) {
        if (clock_type::now() >= deadline)
            return false;
        pause(20);
    }
    return std::remove(started.c_str()) == 0;
}

managed_display::~managed_display() { stop(); }

void managed_display::stop()
{
    disconnect();
    end(manager_);
    end(server_);
    setenv("DISPLAY", outer_.c_str(), 1);
}

} // namespace e2e
