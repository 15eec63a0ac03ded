// SPDX-License-Identifier: MIT
// A display of a test's own, with a window manager on it.
#include "e2e/harness.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

namespace {

    void end(pid_t& pid)
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        pid = -1;
    }

} // namespace

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
    server_ = spawn(
        { "Xvfb", "-displayfd", fd, "-screen", "0", screen, "-nolisten", "tcp", "-noreset" });
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
    manager_ = spawn({ "openbox", "--sm-disable", "--startup", "touch " + started });
    if (!waitForManager(started)) {
        stop();
        throw std::runtime_error("openbox did not start managing the display");
    }
}

bool managed_display::waitForManager(const std::string& started)
{
    return waitUntil([&] { return access(started.c_str(), F_OK) == 0; }, 10000)
        && std::remove(started.c_str()) == 0;
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
