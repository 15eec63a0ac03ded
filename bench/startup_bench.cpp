// SPDX-License-Identifier: MIT
// The real executable, started afresh for every iteration: time from the start of the process
// to the first frame on screen, found by polling the window's pixels, and its peak resident
// memory once that frame is shown.

#include "e2e/x11_windows.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Last: Xlib defines macros that clash with names in other headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The top-left square (0, 7) is white beside its rook once the board is drawn.
bool boardShown(Display* d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable)
        return false;
    XImage* image = XGetImage(d, w, 60, 5, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xffffff) == 0xffffff;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

void StartToFirstFrame(benchmark::State& state)
{
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        state.SkipWithError("no X display");
        return;
    }
    XSetErrorHandler(ignoreErrors); // the window may vanish between two requests
    double peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            freopen("/dev/null", "w", stdout);
            execl(CHESS_CHECKERS_EXE, CHESS_CHECKERS_EXE, static_cast<char*>(nullptr));
            _exit(127);
        }
        bool shown = false;
        const auto deadline = start + std::chrono::seconds(10);
        while (!shown && std::chrono::steady_clock::now() < deadline) {
            Window w = e2e::windowOfProcess(d, pid);
            shown = w != 0 && boardShown(d, w);
            if (!shown)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        peakKiB = static_cast<double>(peakResidentKiB(pid));
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        if (!shown)
            state.SkipWithError("the board never showed");
    }
    state.counters["peak_RSS_MiB"] = peakKiB / 1024;
    XCloseDisplay(d);
}
BENCHMARK(StartToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
