// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

struct rule_case {
    const char* rule;
    diagram rows;
    bool castling;
    const char* from;
    std::set<std::string> expected;
};

const diagram start = { "rnbqkbnr", "pppppppp", "........", "........", "........", "........",
    "PPPPPPPP", "RNBQKBNR" };

const diagram castlingBase = { "r...k..r", "........", "........", "........", "........",
    "........", "........", "R...K..R" };

diagram with(diagram rows, const std::string& at, char piece)
{
    auto [c, r] = square(at);
    rows[7 - r][c] = piece;
    return rows;
}

const rule_case cases[] = {
    // Movement and blocking.
    { "KnightJumpsOverPieces", start, false, "b1", { "a3", "c3" } },
    { "BlockedSlidersAtTheStart", start, false, "d1", {} },
    { "RookStopsAtOwnAndTakesOpponent",
        { "......k.", "........", "...P....", "........", ".p.R....", "........", "........",
            "......K." },
        false, "d4", { "d5", "d3", "d2", "d1", "c4", "b4", "e4", "f4", "g4", "h4" } },
    { "BishopDiagonals",
        { "......k.", "........", "........", ".....p..", "........", "...B....", "........",
            "K......." },
        false, "d3", { "c2", "b1", "e2", "f1", "c4", "b5", "a6", "e4", "f5" } },
    { "QueenCombinesRookAndBishop",
        { "......k.", "........", "........", "........", "........", "........", ".P......",
            "Q.....K." },
        false, "a1", { "b1", "c1", "d1", "e1", "f1", "a2", "a3", "a4", "a5", "a6", "a7", "a8" } },
    { "NoDropOnOwnPieceOrOrigin",
        { "......k.", "........", "........", "........", "...N....", ".P......", "........",
            "......K." },
        false, "d4", { "c6", "e6", "f5", "f3", "e2", "c2", "b5" } },
    // Pins and check.
    { "PinnedBishopCannotMove",
        { "....k...", "........", "........", "........", "....r...", "........", "....B...",
            "....K..." },
        false, "e2", {} },
    { "PinnedRookStaysOnTheLine",
        { "....k...", "........", "........", "........", "....r...", "........", "....R...",
            "....K..." },
        false, "e2", { "e3", "e4" } },
    { "CheckOnlyBlocked",
        { "k...r...", "........", "........", "........", "........", "........", "R.......",
            "....K..." },
        false, "a2", { "e2" } },
    { "CheckEvadedByTheKing",
        { "k...r...", "........", "........", "........", "........", "........", "R.......",
            "....K..." },
        false, "e1", { "d1", "d2", "f1", "f2" } },
    { "KnightCheckOnlyByCapture",
        { "k.......", "........", "........", "........", "........", "...n..R.", "........",
            "....K..." },
        false, "g3", { "d3" } },
    { "KingLeavesKnightCheck",
        { "k.......", "........", "........", "........", "........", "...n..R.", "........",
            "....K..." },
        false, "e1", { "d1", "d2", "e2", "f1" } },
    { "KingNotNextToKing",
        { "........", "........", "....k...", "........", "....K...", "........", "........",
            "........" },
        false, "e4", { "d3", "e3", "f3", "d4", "f4" } },
    // Pawns.
    { "PawnSingleAndDoubleStep", start, false, "e2", { "e3", "e4" } },
    { "PawnBlockedInFront", with(with(start, "e3", 'n'), "e7", '.'), false, "e2", {} },
    { "PawnDoubleStepBlocked", with(start, "e4", 'n'), false, "e2", { "e3" } },
    { "PawnCapturesDiagonallyOnly",
        { "....k...", "........", "........", "...pnp..", "....P...", "........", "........",
            "....K..." },
        false, "e4", { "d5", "f5" } },
    { "NoDoubleStepAwayFromStartRow",
        { "....k...", "........", "........", "........", "........", "....P...", "........",
            "K......." },
        false, "e3", { "e4" } },
    { "EnPassantAtAnyLaterTurn",
        { "....k...", "........", "........", "..npPp..", "........", "........", "........",
            "....K..." },
        false, "e5", { "e6", "d6", "f6" } },
    { "EnPassantOnlyFromItsRow",
        { "....k...", "........", "........", "........", "...pP...", "........", "........",
            "....K..." },
        false, "e4", { "e5" } },
    { "EnPassantThatExposesTheKing",
        { "....k...", "........", "........", "K.pP...r", "........", "........", "........",
            "........" },
        false, "d5", { "d6" } },
    // Castling.
    { "CastlingBothSides", castlingBase, true, "e1", { "c1", "d1", "d2", "e2", "f1", "f2", "g1" } },
    { "CastlingNeedsRights", castlingBase, false, "e1", { "d1", "d2", "e2", "f1", "f2" } },
    { "CastlingQueensideBlockedOnB", with(castlingBase, "b1", 'N'), true, "e1",
        { "d1", "d2", "e2", "f1", "f2", "g1" } },
    { "CastlingQueensideBlockedOnC", with(castlingBase, "c1", 'B'), true, "e1",
        { "d1", "d2", "e2", "f1", "f2", "g1" } },
    { "CastlingKingsideBlocked", with(castlingBase, "g1", 'N'), true, "e1",
        { "c1", "d1", "d2", "e2", "f1", "f2" } },
    { "NoCastlingOutOfCheck", with(castlingBase, "b4", 'b'), true, "e1",
        { "d1", "e2", "f1", "f2" } },
    { "NoCastlingThroughCheck", with(castlingBase, "f7", 'r'), true, "e1",
        { "c1", "d1", "d2", "e2" } },
    { "NoCastlingIntoCheck", with(castlingBase, "g7", 'r'), true, "e1",
        { "c1", "d1", "d2", "e2", "f1", "f2" } },
    { "CastlingWithOnlyBAttacked", with(castlingBase, "b7", 'r'), true, "e1",
        { "c1", "d1", "d2", "e2", "f1", "f2", "g1" } },
    { "NoCastlingWithoutTheCornerRook", with(castlingBase, "a1", '.'), true, "e1",
        { "d1", "d2", "e2", "f1", "f2", "g1" } },
    { "NoCastlingWithAnotherPieceInTheCorner", with(castlingBase, "h1", 'N'), true, "e1",
        { "c1", "d1", "d2", "e2", "f1", "f2" } },
    // Rights set by hand castle only a king on its home square.
    { "NoCastlingFromAnotherColumn",
        { "....k...", "........", "........", "........", "........", "........", "........",
            "K......R" },
        true, "a1", { "a2", "b1", "b2" } },
    { "NoCastlingOffTheHomeRow",
        { "r...k..r", "........", "........", "........", "........", "........", "R...K..R",
            "........" },
        true, "e2", { "d1", "d2", "d3", "e1", "e3", "f1", "f2", "f3" } },
};

std::set<std::string> mirrored(const std::set<std::string>& names)
{
    std::set<std::string> out;
    for (const auto& n : names)
        out.insert(mirrorName(n));
    return out;
}

class ChessRule : public ::testing::TestWithParam<rule_case> { };

TEST_P(ChessRule, BottomPlayer)
{
    const rule_case& c = GetParam();
    chess g = makeChess(c.rows, true, c.castling);
    EXPECT_EQ(legalTargets(g, c.from), c.expected);
}

TEST_P(ChessRule, TopPlayerMirrored)
{
    const rule_case& c = GetParam();
    chess g = makeChess(mirror(c.rows), false, c.castling);
    EXPECT_EQ(legalTargets(g, mirrorName(c.from)), mirrored(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Rules, ChessRule, ::testing::ValuesIn(cases),
    [](const ::testing::TestParamInfo<rule_case>& info) { return std::string(info.param.rule); });

TEST(ChessCheck, PawnsAttackFromTheirOwnSideOfTheKing)
{
    chess g = makeChess({ "........", "........", "........", "...p....", "....K...", "........",
                            "........", "k......." },
        true);
    EXPECT_TRUE(chess::isInCheck(true, g.board));
    g.board[3][4] = 0;
    g.board[3][2] = 16; // below the king: a top pawn never strikes backwards
    EXPECT_FALSE(chess::isInCheck(true, g.board));
    chess top = makeChess(mirror({ "........", "........", "........", "...p....", "....K...",
                              "........", "........", "k......." }),
        false);
    EXPECT_TRUE(chess::isInCheck(false, top.board));
}

TEST(ChessCheck, EachAttackerAndTheEdges)
{
    struct {
        const char* what;
        diagram rows;
        bool check;
    } const positions[] = {
        { "knight",
            { "K.......", "..n.....", "........", "........", "........", "........", "........",
                ".......k" },
            true },
        { "rook along the edge",
            { "K......r", "........", "........", "........", "........", "........", "........",
                ".......k" },
            true },
        { "rook behind a blocker",
            { "K..n...r", "........", "........", "........", "........", "........", "........",
                ".......k" },
            false },
        { "bishop on the long diagonal",
            { "K.......", "........", "........", "........", "........", "........", "......b.",
                "k......." },
            true },
        { "queen diagonally",
            { "K.......", ".q......", "........", "........", "........", "........", "........",
                ".......k" },
            true },
        { "own pieces do not attack",
            { "K.......", ".Q......", "..N.....", "........", "........", "........", "........",
                ".......k" },
            false },
        { "no king at all",
            { "........", ".q......", "........", "........", "........", "........", "........",
                ".......k" },
            false },
    };
    for (const auto& c : positions) {
        SCOPED_TRACE(c.what);
        chess g = makeChess(c.rows, true);
        EXPECT_EQ(chess::isInCheck(true, g.board), c.check);
        chess m = makeChess(mirror(c.rows), false);
        EXPECT_EQ(chess::isInCheck(false, m.board), c.check);
    }
}

TEST(ChessCheck, LegalityLeavesTheGameUntouched)
{
    chess g = makeChess(castlingBase, true, true);
    const chess_state before(g);
    legalTargets(g, "e1");
    legalTargets(g, "a1");
    EXPECT_TRUE(chess_state(g) == before);
}

} // namespace
