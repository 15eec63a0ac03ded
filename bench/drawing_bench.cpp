// SPDX-License-Identifier: MIT
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"
#include "support/heap.h"
#include "support/squares.h"

#include "platform/gl.h"
#include <benchmark/benchmark.h>

namespace {

// One display frame of the start position, finished on the GL side.
void DrawStartPosition(benchmark::State& state)
{
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        my_game->draw(false);
        glFinish();
    }
}
BENCHMARK(DrawStartPosition)->Unit(benchmark::kMicrosecond);

// The same frame's cost to this thread alone: the calls, without waiting for the rasteriser.
void SubmitStartPosition(benchmark::State& state)
{
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        my_game->draw(false);
        glFlush();
    }
    glFinish();
}
BENCHMARK(SubmitStartPosition)->Unit(benchmark::kMicrosecond);

// One pick over a piece, as every left press makes.
void PickAPiece(benchmark::State& state)
{
    const int x = testing_support::boardX(4.5f), y = testing_support::boardY(1.1f);
    for (auto _ : state)
        benchmark::DoNotOptimize(pick(x, y));
    if (pick(x, y) != 41)
        state.SkipWithError("pick did not find the pawn on (4, 1)");
}
BENCHMARK(PickAPiece)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// A drag step as the window delivers it: the motion callback, then the frame it asks for.
void DragMotionToFrame(benchmark::State& state)
{
    newgame(false, true);
    const int x = testing_support::boardX(4.5f), y = testing_support::boardY(1.1f);
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    int step = 0;
    for (auto _ : state) {
        mousemove(x, y - (step++ % 100));
        display();
        glFinish();
    }
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}
BENCHMARK(DragMotionToFrame)->Unit(benchmark::kMicrosecond);

// A press on a piece: the pick and the lift, then the frame showing it lifted; and the heap
// that a thousand of them leave behind.
void PressToFrame(benchmark::State& state)
{
    newgame(false, true);
    const int x = testing_support::boardX(4.5f), y = testing_support::boardY(1.1f);
    const long heap = heapInUse();
    for (auto _ : state) {
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        display();
        glFinish();
        state.PauseTiming();
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
        state.ResumeTiming();
    }
    state.counters["heap_KiB_per_1000"] = (heapInUse() - heap) / 1.024 / state.iterations();
}
BENCHMARK(PressToFrame)->Unit(benchmark::kMicrosecond);

} // namespace
