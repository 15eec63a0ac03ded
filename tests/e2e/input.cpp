// SPDX-License-Identifier: MIT
// The pointer and the keyboard, driven with xdotool as a person would, and the pop-up menu.
#include "e2e/harness.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace e2e {

namespace {

    // Waits for a menu window that is not among the known ones to show, and adds it to them.
    Window newMenu(std::vector<Window>& known, std::size_t level)
    {
        Window menu = 0;
        waitUntil(
            [&] {
                for (Window w : menuWindows()) {
                    if (std::find(known.begin(), known.end(), w) == known.end())
                        menu = w;
                }
                return menu != 0;
            },
            3000);
        if (menu == 0)
            throw std::runtime_error("menu level " + std::to_string(level) + " did not open");
        known.push_back(menu);
        return menu;
    }

} // namespace

void run(const std::string& command)
{
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

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
    std::vector<Window> known = menuWindows();
    openMenu(x, y); // a click inside it then chooses
    const rect w = window();
    for (std::size_t level = 0; level < path.size(); ++level) {
        const rect m = geometry(newMenu(known, level));
        const int height = (m.height - 4) / entryCounts[level];
        auto middle = [&](int entry) { return m.y + 2 + height * entry + height / 2 - w.y; };
        const int edge = m.x + 3 - w.x, other = path[level] == 0 ? 1 : 0;
        moveTo(edge + 17, middle(path[level]));
        // Only an entry the toolkit has highlighted takes the click: wait until its background,
        // inside the menu's 2-pixel border, differs from another's (in a colour of the platform).
        waitUntil(
            [&] { return pixel(edge, middle(path[level])) != pixel(edge, middle(other)); }, 3000);
    }
    run("xdotool click 1");
}

} // namespace e2e
