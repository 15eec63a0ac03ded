// SPDX-License-Identifier: MIT
// The program as a process: started with its output on pipes, read, and waited for.
// Before Xlib, whose macros (None, Bool) clash with GoogleTest's names.
#include <gtest/gtest.h>

#include "e2e/harness.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "e2e/x11_windows.h"

namespace e2e {

namespace {

    void readAll(int fd, std::string& text)
    {
        char buffer[4096];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
    }

} // namespace

bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
    }
    return true;
}

pid_t spawn(const std::vector<std::string>& argv, int out, int err, const std::vector<int>& more)
{
    pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (out >= 0)
            dup2(out, STDOUT_FILENO);
        if (err >= 0)
            dup2(err, STDERR_FILENO);
        std::vector<int> moved; // out of the way of 3, 4... first, which they may hold
        for (int fd : more)
            moved.push_back(fcntl(fd, F_DUPFD, 100));
        for (std::size_t i = 0; i < moved.size(); ++i)
            dup2(moved[i], static_cast<int>(3 + i));
        std::vector<char*> args;
        for (const std::string& word : argv)
            args.push_back(const_cast<char*>(word.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

program::program(const std::vector<std::string>& command)
{
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe");
    fcntl(out[0], F_SETFD, FD_CLOEXEC);
    fcntl(err[0], F_SETFD, FD_CLOEXEC);
    pid_ = spawn(command, out[1], err[1]);
    close(out[1]);
    close(err[1]);
    stdout_ = out[0];
    stderr_ = err[0];
    fcntl(stdout_, F_SETFL, O_NONBLOCK);
    fcntl(stderr_, F_SETFL, O_NONBLOCK);
    if (!waitForWindow()) {
        // No destructor runs for a constructor that throws: the child must not outlive it.
        stop();
        throw std::runtime_error("the window of " + command.back() + " never appeared");
    }
}

bool program::waitForWindow()
{
    // Mapped, and drawn at least once, before anyone looks at it.
    XWindowAttributes a;
    waitUntil(
        [&] {
            window_ = running() ? windowOfProcess(display(), pid_) : 0;
            return !running()
                || (window_ != 0 && XGetWindowAttributes(display(), window_, &a)
                    && a.map_state == IsViewable);
        },
        10000);
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
    readAll(stdout_, out_);
    // A Windows console program ends its lines with CR LF; the text is the same.
    out_.erase(std::remove(out_.begin() + taken_, out_.end(), '\r'), out_.end());
}

bool program::waitForOutput(const std::string& text, int timeoutMs)
{
    auto shown = [&] { return out_.find(text, taken_) != std::string::npos; };
    return waitUntil([&] { return shown() || (pump(20), shown()); }, timeoutMs, 0);
}

std::string program::takeLines(int lines, int timeoutMs)
{
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
    waitUntil([&] { return complete() != std::string::npos || (pump(20), false); }, timeoutMs, 0);
    std::size_t end = complete();
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
    readAll(stderr_, text);
    return text;
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

std::string commandOutput(const std::string& command)
{
    std::string text;
    FILE* pipe = popen(("timeout 10 sh -c '" + command + "'").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    int status = pipe == nullptr ? -1 : pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 124)
        return text + "timed out after 10 s waiting for: " + command;
    if (status != 0)
        text += "failed";
    return text;
}

void expectAnswersWithoutAWindow(const std::string& program)
{
    const std::string bare = "env -u DISPLAY " + program;
    EXPECT_EQ(commandOutput(bare + " --version; echo status $?"),
        "chess-checkers " CHESS_CHECKERS_VERSION "\nstatus 0\n");
    EXPECT_EQ(
        commandOutput(bare + " --help | head -n 1"), "Usage: chess-checkers [GLUT OPTION]...\n");
    EXPECT_EQ(commandOutput(bare + " --help >/dev/full 2>/dev/null; echo status $?"), "status 1\n");
    EXPECT_EQ(commandOutput(bare + " 2>&1; echo status $?"),
        "chess-checkers: cannot open display: DISPLAY is not set\nstatus 1\n");
}

int program::waitForExit(int timeoutMs)
{
    return waitUntil([&] { return !running(); }, timeoutMs) ? exitStatus_ : -1;
}

} // namespace e2e
