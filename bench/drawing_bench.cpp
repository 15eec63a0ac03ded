#include "chess/chess.h"
#include "shell/game.h"

#include <GL/gl.h>
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
    const int x = static_cast<int>(4.5 * 550 / 8), y = static_cast<int>(550 - 1.1 * 550 / 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(pick(x, y));
    if (pick(x, y) != 41)
        state.SkipWithError("pick did not find the pawn on (4, 1)");
}
BENCHMARK(PickAPiece)->Unit(benchmark::kMicrosecond);

} // namespace
