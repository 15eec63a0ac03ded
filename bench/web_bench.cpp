// SPDX-License-Identifier: MIT
// The web page in headless Chromium with software WebGL, one page for all iterations: the time
// from asking for the page to its first board frame, from a press on a piece to the frame that
// shows it lifted, and from a move of the lifted piece to the frame that shows it moved (the frame
// after the event, as the page draws at most one a frame), a press's pick set against a drag's.

#include "e2e/browser.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using clock_type = std::chrono::steady_clock;

double secondsSince(clock_type::time_point start)
{
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

// Resolves at the page's next animation frame, the one that shows the last event.
void awaitFrame(e2e::page& p)
{
    p.call("Runtime.evaluate",
        R"x({"expression":"new Promise(drawn => )x"
        R"x(requestAnimationFrame(drawn))","awaitPromise":true})x");
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

void PressToLiftedPieceDrawn(benchmark::State& state)
{
    e2e::page p(550, 550);
    const int x = p.x(4.5f), y = p.y(1.1f); // e2's pawn, put back where it was by each release
    for (auto _ : state) {
        const auto start = clock_type::now();
        p.mouse("mousePressed", x, y);
        awaitFrame(p);
        state.SetIterationTime(secondsSince(start));
        p.mouse("mouseReleased", x, y, "left", 0);
    }
}
BENCHMARK(PressToLiftedPieceDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void DragToMovedPieceDrawn(benchmark::State& state)
{
    e2e::page p(550, 550);
    const int x = p.x(4.5f), y = p.y(1.1f);
    p.mouse("mousePressed", x, y);
    int step = 0;
    for (auto _ : state) {
        const auto start = clock_type::now();
        p.mouse("mouseMoved", x + (++step % 2) * 10, y); // to and fro, so that each move moves
        awaitFrame(p);
        state.SetIterationTime(secondsSince(start));
    }
    p.mouse("mouseReleased", x, y, "left", 0);
}
BENCHMARK(DragToMovedPieceDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
