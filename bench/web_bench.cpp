// SPDX-License-Identifier: MIT
// The web page in each engine (Chromium, Firefox, WebKit), one page for all iterations: the time
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

void PageToFirstBoardFrame(benchmark::State& state, const char* engine)
{
    e2e::page p(engine, 550, 550);
    for (auto _ : state) {
        const auto start = clock_type::now();
        if (!p.open())
            state.SkipWithError("the page never showed the board");
        state.SetIterationTime(secondsSince(start));
    }
}

void mouse(e2e::page& p, const char* type, int x, int y)
{
    p.browser->perform(e2e::json::array({ { { "type", "pointer" }, { "id", "mouse" },
        { "parameters", { { "pointerType", "mouse" } } },
        { "actions", { { { "type", type }, { "button", 0 }, { "x", x }, { "y", y } } } } } }));
}

void toPieceDrawn(benchmark::State& state, const char* engine, bool drag)
{
    e2e::page p(engine, 550, 550);
    const int x = p.x(4.5f), y = p.y(1.1f); // e2's pawn, held, or put back by each release
    mouse(p, "pointerMove", x, y);
    mouse(p, drag ? "pointerDown" : "pointerMove", x, y);
    for (auto _ : state) {
        const auto start = clock_type::now();
        mouse(p, drag ? "pointerMove" : "pointerDown", x + drag * 10, y);
        p.browser->evaluate("new Promise(drawn => requestAnimationFrame(drawn))");
        state.SetIterationTime(secondsSince(start));
        mouse(p, drag ? "pointerMove" : "pointerUp", x, y);
    }
}
void PressToLiftedPieceDrawn(benchmark::State& state, const char* engine)
{
    toPieceDrawn(state, engine, false);
}
void DragToMovedPieceDrawn(benchmark::State& state, const char* engine)
{
    toPieceDrawn(state, engine, true);
}

// Each engine's three figures side by side.
const bool registered = [] {
    const std::pair<const char*, void (*)(benchmark::State&, const char*)> kinds[]
        = { { "PageToFirstBoardFrame", PageToFirstBoardFrame },
              { "PressToLiftedPieceDrawn", PressToLiftedPieceDrawn },
              { "DragToMovedPieceDrawn", DragToMovedPieceDrawn } };
    for (const char* engine : { "chromium", "firefox", "webkit" })
        for (const auto& [name, run] : kinds)
            benchmark::RegisterBenchmark((std::string(name) + "/" + engine).c_str(), run, engine)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(run == PageToFirstBoardFrame ? 10 : 50);
    return true;
}();

} // namespace
