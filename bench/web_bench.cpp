// SPDX-License-Identifier: MIT
// The web page in headless Chromium with software WebGL, one page for all iterations: the time
// from asking for the page to its first board frame, and from a press on a piece, or a move of
// the piece lifted, to the frame that shows it (the next, as the page draws at most one a frame).

#include "e2e/browser.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using clock_type = std::chrono::steady_clock;

double secondsSince(clock_type::time_point start)
{
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

void PageToFirstBoardFrame(benchmark::State& state)
{
    e2e::page p(550, 550);
    for (auto _ : state) {
        const auto start = clock_type::now();
        if (!p.open())
            state.SkipWithError("the page never showed the board");
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(PageToFirstBoardFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void ToPieceDrawn(benchmark::State& state, bool drag)
{
    e2e::page p(550, 550);
    const int x = p.x(4.5f), y = p.y(1.1f); // e2's pawn, put back by each release or held
    if (drag)
        p.mouse("mousePressed", x, y);
    for (auto _ : state) {
        const auto start = clock_type::now();
        p.mouse(drag ? "mouseMoved" : "mousePressed", x + (drag && state.iterations() % 2) * 10, y);
        p.call("Runtime.evaluate",
            R"x({"expression":"new Promise(drawn => )x"
            R"x(requestAnimationFrame(drawn))","awaitPromise":true})x");
        state.SetIterationTime(secondsSince(start));
        if (!drag)
            p.mouse("mouseReleased", x, y, "left", 0);
    }
}
BENCHMARK_CAPTURE(ToPieceDrawn, FromPress, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK_CAPTURE(ToPieceDrawn, FromDragStep, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

} // namespace
