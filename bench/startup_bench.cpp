// SPDX-License-Identifier: MIT
// The real executable, started afresh for every iteration: time from the start of the process
// to the first frame on screen, found by polling the window's pixels, and its peak resident
// memory once that frame is shown.

#include "e2e/harness.h"
#include "support/squares.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "e2e/x11_windows.h"

namespace {

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

void StartToFirstFrame(benchmark::State& state)
{
    const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    // The top-left square (0, 7) is white beside its rook once the board is drawn.
    const int x = testing_support::boardX(0.9f), y = testing_support::boardY(7.9f);
    double peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = e2e::spawn({ CHESS_CHECKERS_EXE }, quiet);
        const bool shown = e2e::waitUntil(
            [&] {
                Window w = e2e::windowOfProcess(e2e::display(), pid);
                return w != 0 && e2e::pixelOf(w, x, y) == std::array<int, 3> { 255, 255, 255 };
            },
            10000, 1);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        peakKiB = static_cast<double>(peakResidentKiB(pid));
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        if (!shown)
            state.SkipWithError("the board never showed");
    }
    state.counters["peak_RSS_MiB"] = peakKiB / 1024;
    close(quiet);
}
BENCHMARK(StartToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
