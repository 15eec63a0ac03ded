// SPDX-License-Identifier: MIT
// The program as a process: started with its output on pipes, read, and waited for.
#include "e2e/harness.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "e2e/x11_windows.h"

namespace e2e {

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

program::program(const std::vector<std::string>& command)
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
        std::vector<char*> argv;
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
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
        throw std::runtime_error("the window of " + command.back() + " never appeared");
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
    // A Windows console program ends its lines with CR LF; the text is the same.
    out_.erase(std::remove(out_.begin() + taken_, out_.end(), '\r'), out_.end());
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
