// SPDX-License-Identifier: MIT
#pragma once
// Drives the real chess-checkers executable on the test display, as a person would: xdotool for
// the pointer and keys, stdout for the dumps, the window's pixels for what is shown.

#include <array>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

struct rect {
    int x = 0, y = 0, width = 0, height = 0;
};

class program {
public:
    // Starts the command (the build's own executable unless told otherwise) and waits for its
    // window.
    explicit program(const std::vector<std::string>& command = { CHESS_CHECKERS_EXE });
    ~program();
    program(const program&) = delete;
    program& operator=(const program&) = delete;

    // Waits until stdout has shown the text (after what was already consumed); true if it did.
    bool waitForOutput(const std::string& text, int timeoutMs = 5000);
    // Everything printed since the last take, waiting for `lines` complete lines.
    std::string takeLines(int lines, int timeoutMs = 5000);
    std::string errors();
    // Discards everything printed so far, once the output has been quiet for a moment.
    void drain();

    rect window() const;
    // The window with the window manager's frame around it, if there is one.
    rect frame() const;
    pid_t pid() const { return pid_; }
    // What window lists read off the window: WM_CLASS as "instance/class", and _NET_WM_PID.
    std::string windowClass() const;
    long windowPid() const;
    // Window-relative pointer actions.
    void moveTo(int x, int y) const;
    void drag(int x0, int y0, int x1, int y1) const;
    // The left button alone: down at (x, y), and up wherever the pointer is.
    void press(int x, int y) const;
    void release() const;
    void click(int x, int y) const;
    void key(const std::string& keys) const;
    void resize(int width, int height) const;
    // Opens the pop-up menu at (x, y) and leaves it open; where it is, in window pixels.
    rect openMenu(int x = 100, int y = 100) const;
    // Opens the pop-up menu at (x, y) and clicks the entry reached through `path`, each number
    // an entry index in the menu of its level; entryCounts gives each level's number of entries.
    void chooseMenu(const std::vector<int>& path, const std::vector<int>& entryCounts, int x = 100,
        int y = 100) const;

    // The colour on the screen at the window pixel, each channel 0 to 255.
    std::array<int, 3> pixel(int x, int y) const;
    // Polls the pixel until it has the colour (within 2 per channel).
    bool waitForPixel(int x, int y, std::array<int, 3> colour, int timeoutMs = 3000) const;

    // An xdotool window command on the window ("windowunmap --sync", "windowclose"...).
    void onWindow(const std::string& command) const;
    // Waits until none of the program's pop-up menus is on the screen; true if so.
    bool menuClosed() const;
    // The window manager is asked to close the window.
    void closeByWindowManager() const;

    // Sends "d" and returns the dump it prints (8 board lines and 2 empty ones).
    std::string dump();

    // Waits for the process to end; its exit status, or -1 if it did not end in time.
    int waitForExit(int timeoutMs = 5000);
    bool running();

private:
    bool waitForWindow();
    // Kills the process if it still runs and closes its pipes.
    void stop();
    void pump(int timeoutMs);
    pid_t pid_ = -1;
    int stdout_ = -1;
    int stderr_ = -1;
    std::string out_;
    std::size_t taken_ = 0;
    unsigned long window_ = 0;
    int exitStatus_ = -1;
};

// Standard output of a shell command; a failed command gives what it printed plus "failed", one
// that has not ended within seconds says so instead of holding the test until CTest's timeout.
std::string commandOutput(const std::string& command);
// What a program answers on the console without a display: --version, --help, and the display
// it lacks. The build's program and the packaged one alike.
void expectAnswersWithoutAWindow(const std::string& program);

// A display of its own for one test, with a window manager (openbox) on it, and a screen of the
// given size. DISPLAY names it while the object lives; both servers end with it.
class managed_display {
public:
    managed_display(int width, int height);
    ~managed_display();
    managed_display(const managed_display&) = delete;
    managed_display& operator=(const managed_display&) = delete;

private:
    bool waitForManager(const std::string& started);
    void stop();
    pid_t server_ = -1;
    pid_t manager_ = -1;
    std::string outer_;
};

} // namespace e2e
