// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"

#include <benchmark/benchmark.h>

namespace {

using namespace testing_support;

const diagram middlegame = { "r...k..r", "p.ppqpb.", "bn..pnp.", "...PN...", ".p..P...", "..N..Q.p",
    "PPPBBPPP", "R...K..R" };

// isLegal for all 64 squares of every piece of the side to move.
void IsLegalAllSquares(benchmark::State& state)
{
    chess g = makeChess(middlegame, true, true);
    long calls = 0;
    for (auto _ : state) {
        for (int fc = 0; fc < 8; ++fc) {
            for (int fr = 0; fr < 8; ++fr) {
                if (!ownPiece(g, fc, fr))
                    continue;
                liftAt(g, fc, fr);
                for (int c = 0; c < 8; ++c) {
                    for (int r = 0; r < 8; ++r)
                        benchmark::DoNotOptimize(g.isLegal(c, r));
                }
                g.cancelMove();
                calls += 64;
            }
        }
    }
    // Seconds per call, shown by the library in its own time units.
    state.counters["per_isLegal"] = benchmark::Counter(
        static_cast<double>(calls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(IsLegalAllSquares);

// Move counting from the start through the class's own operations, with exact undo.
void PerftStart(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    long leaves = 0;
    for (auto _ : state) {
        chess g(true);
        perft_result r = perft(g, depth, false);
        if (!r.undoExact)
            state.SkipWithError("undo was not exact");
        leaves += r.leaves;
    }
    state.counters["leaves"]
        = static_cast<double>(leaves) / static_cast<double>(state.iterations());
    state.counters["nodes_per_s"]
        = benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}
BENCHMARK(PerftStart)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
