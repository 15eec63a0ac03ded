// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

struct perft_case {
    const char* name;
    diagram rows;
    bool bottomToMove;
    const char* rights; // K and Q for the bottom player, k and q for the top player
    std::vector<long> counts; // by depth, from 1
};

// Positions where these rules and standard chess cannot differ at the depths counted: en passant
// beyond the move right after a double step needs more plies, and no king can be captured.
const perft_case cases[] = {
    { "Start",
        { "rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP",
            "RNBQKBNR" },
        true, "KQkq", { 20, 400, 8902 } },
    { "RooksAndKingsCastling",
        { "r...k..r", "........", "........", "........", "........", "........", "........",
            "R...K..R" },
        true, "KQkq", { 26, 568 } },
    { "PromotionsAndPins",
        { "r...k..r", "Pppp.ppp", ".b...nbN", "nP......", "BBP.P...", "q....N..", "Pp.P..PP",
            "R..Q.RK." },
        true, "kq", { 6, 264, 9467 } },
    { "EndgamePins",
        { "........", "..p.....", "...p....", "KP.....r", ".R...p.k", "........", "....P.P.",
            "........" },
        true, "", { 14, 191, 2812 } },
};

void setRights(chess& g, const std::string& rights, bool mirrored)
{
    auto has = [&](char flag) { return rights.find(flag) != std::string::npos; };
    g.p1CanCastleKingside = has(mirrored ? 'k' : 'K');
    g.p1CanCastleQueenside = has(mirrored ? 'q' : 'Q');
    g.p2CanCastleKingside = has(mirrored ? 'K' : 'k');
    g.p2CanCastleQueenside = has(mirrored ? 'Q' : 'q');
}

class ChessPerft : public ::testing::TestWithParam<perft_case> { };

TEST_P(ChessPerft, PublishedCountsWithExactUndo)
{
    const perft_case& c = GetParam();
    for (bool mirrored : { false, true }) {
        SCOPED_TRACE(mirrored ? "mirrored" : "as given");
        chess g = makeChess(mirrored ? mirror(c.rows) : c.rows, c.bottomToMove != mirrored);
        setRights(g, c.rights, mirrored);
        for (std::size_t depth = 1; depth <= c.counts.size(); ++depth) {
            SCOPED_TRACE(depth);
            perft_result r = perft(g, static_cast<int>(depth));
            EXPECT_EQ(r.leaves, c.counts[depth - 1]);
            EXPECT_TRUE(r.undoExact);
            EXPECT_EQ(r.broken, "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, ChessPerft, ::testing::ValuesIn(cases),
    [](const ::testing::TestParamInfo<perft_case>& info) { return std::string(info.param.name); });

} // namespace
