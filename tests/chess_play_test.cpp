// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

const diagram castlingBase = { "r...k..r", "pppppppp", "........", "........", "........",
    "........", "PPPPPPPP", "R...K..R" };

int at(const chess& g, const std::string& name)
{
    auto [c, r] = square(name);
    return g.board[c][r];
}

TEST(ChessPlay, ALegalDropMovesAndPassesTheTurn)
{
    chess g(true);
    ASSERT_TRUE(play(g, "e2", "e4"));
    EXPECT_EQ(at(g, "e4"), 6);
    EXPECT_EQ(at(g, "e2"), 0);
    EXPECT_FALSE(g.p1ToMove);
    EXPECT_EQ(g.dragging, 0);
    EXPECT_EQ(g.fromColumn, 4);
    EXPECT_EQ(g.fromRow, 3);
}

TEST(ChessPlay, RefusedDropsPutThePieceBackAndKeepTheTurn)
{
    chess g(true);
    const chess_state before(g);
    EXPECT_FALSE(play(g, "e2", "e5")); // too far
    EXPECT_FALSE(play(g, "e2", "e2")); // its own square
    EXPECT_FALSE(play(g, "d1", "d2")); // own piece
    // Off the board: the centre lands left of column 0.
    liftAt(g, 0, 1);
    g.mousemove(-0.6f, 1.5f);
    g.mouseup(0, 0);
    EXPECT_TRUE(chess_state(g) == before);
    // Just left of and just below the board, beside squares the rook could reach.
    chess rook = makeChess({ "....k...", "........", "........", "........", "........", "........",
                               ".R......", "....K..." },
        true);
    const chess_state rookBefore(rook);
    for (auto [x, y] : { std::pair { -0.3f, 1.5f }, { 1.5f, -0.3f } }) {
        liftAt(rook, 1, 1);
        rook.mousemove(x, y);
        rook.mouseup(0, 0);
        EXPECT_TRUE(chess_state(rook) == rookBefore);
    }
    // A drag state set by hand that names no square puts back nothing, anywhere.
    chess handSet(true);
    const chess_state fresh(handSet);
    for (auto end : { &chess::cancelMove, &chess::undo }) {
        handSet.dragging = 1;
        handSet.liftedPiece = 2;
        (handSet.*end)();
        EXPECT_TRUE(chess_state(handSet) == fresh);
    }
    handSet.dragging = 1;
    handSet.mousemove(3.0f, 3.0f);
    handSet.mouseup(0, 0);
    EXPECT_TRUE(chess_state(handSet) == fresh);
}

TEST(ChessPlay, TheDropSquareIsUnderThePieceCentreNotThePointer)
{
    chess g(true);
    liftAt(g, 4, 1);
    g.grabOffsetX = 0.9f; // grabbed near the right edge of e2
    g.grabOffsetY = 0.5f;
    g.mousemove(4 + 0.9f, 3.5f); // pointer in e4: centre exactly on e4
    g.mouseup(0, 0);
    EXPECT_EQ(at(g, "e4"), 6);

    liftAt(g, 4, 6);
    g.grabOffsetX = 0.9f;
    g.grabOffsetY = 0.5f;
    g.mousemove(5 + 0.2f, 5.5f); // pointer inside f6, centre still over e6
    g.mouseup(0, 0);
    EXPECT_EQ(at(g, "e6"), 16);
}

TEST(ChessPlay, CastlingMovesKingAndRookAndUndoRestoresRights)
{
    struct {
        const char *kingTo, *rookFrom, *rookTo;
    } const sides[] = { { "g1", "h1", "f1" }, { "c1", "a1", "d1" } };
    for (const auto& side : sides) {
        SCOPED_TRACE(side.kingTo);
        chess g = makeChess(castlingBase, true, true);
        g.p1CanCastleQueenside = side.kingTo[0] == 'c'; // the other right, if any, stays false
        const chess_state before(g);
        ASSERT_TRUE(play(g, "e1", side.kingTo));
        EXPECT_EQ(at(g, side.kingTo), 1);
        EXPECT_EQ(at(g, side.rookTo), 3);
        EXPECT_EQ(at(g, side.rookFrom), 0);
        EXPECT_EQ(at(g, "e1"), 0);
        EXPECT_FALSE(g.p1CanCastleKingside || g.p1CanCastleQueenside);
        EXPECT_TRUE(g.p2CanCastleKingside && g.p2CanCastleQueenside);
        g.undo();
        EXPECT_TRUE(chess_state(g) == before);
    }
}

TEST(ChessPlay, TopPlayerCastlesOnItsOwnRow)
{
    chess g = makeChess(castlingBase, false, true);
    ASSERT_TRUE(play(g, "e8", "c8"));
    EXPECT_EQ(at(g, "c8"), 11);
    EXPECT_EQ(at(g, "d8"), 13);
    EXPECT_EQ(at(g, "a8"), 0);
    EXPECT_FALSE(g.p2CanCastleKingside || g.p2CanCastleQueenside);
    EXPECT_TRUE(g.p1CanCastleKingside && g.p1CanCastleQueenside);
}

TEST(ChessPlay, RooksLoseTheirRightFromAnyRowAndNeverRegainIt)
{
    chess g = makeChess({ "....k...", "........", "........", "........", "........", "R.......",
                            "........", "....K..R" },
        true, true);
    ASSERT_TRUE(play(g, "a3", "a4")); // column 0, not on the home row
    EXPECT_FALSE(g.p1CanCastleQueenside);
    EXPECT_TRUE(g.p1CanCastleKingside);
    ASSERT_TRUE(play(g, "e8", "d8"));
    ASSERT_TRUE(play(g, "h1", "h2"));
    ASSERT_TRUE(play(g, "d8", "e8"));
    ASSERT_TRUE(play(g, "h2", "h1")); // back in the corner
    EXPECT_FALSE(g.p1CanCastleKingside);
    for (int i = 0; i < 5; ++i)
        g.undo();
    EXPECT_TRUE(g.p1CanCastleKingside && g.p1CanCastleQueenside);
    for (auto [from, to] :
        { std::pair { "e1", "f1" }, { "e8", "d8" }, { "f1", "e1" }, { "d8", "e8" } })
        ASSERT_TRUE(play(g, from, to));
    EXPECT_FALSE(play(g, "e1", "g1")); // a king that has moved never castles again
}

TEST(ChessPlay, CapturedCornerRookCannotBeConjuredByCastling)
{
    chess g = makeChess({ "....k...", "........", "........", "........", "........", "......n.",
                            "........", "....K..R" },
        false, true);
    ASSERT_TRUE(play(g, "g3", "h1")); // the top knight takes the corner rook
    EXPECT_TRUE(g.p1CanCastleKingside); // a captured rook clears nothing...
    EXPECT_FALSE(play(g, "e1", "g1")); // ...but castling without it is refused
    EXPECT_EQ(at(g, "h1"), 14);
    EXPECT_EQ(at(g, "e1"), 1);
    EXPECT_TRUE(play(g, "e1", "f1"));
}

TEST(ChessPlay, EnPassantRemovesThePawnAndUndoReturnsIt)
{
    chess g = makeChess({ "....k...", "........", "........", "...pP...", "........", "........",
                            "........", "....K..." },
        true);
    const chess_state before(g);
    ASSERT_TRUE(play(g, "e5", "d6"));
    EXPECT_EQ(at(g, "d6"), 6);
    EXPECT_EQ(at(g, "d5"), 0);
    EXPECT_EQ(at(g, "e5"), 0);
    g.undo();
    EXPECT_TRUE(chess_state(g) == before);
    EXPECT_EQ(at(g, "d5"), 16);
    EXPECT_EQ(at(g, "d6"), 0);

    chess top = makeChess(mirror({ "....k...", "........", "........", "...pP...", "........",
                              "........", "........", "....K..." }),
        false);
    ASSERT_TRUE(play(top, "e4", "d3"));
    EXPECT_EQ(at(top, "d4"), 0);
    top.undo();
    EXPECT_EQ(at(top, "d4"), 6);
}

TEST(ChessPlay, PromotionWaitsForTheChoiceAndUndoTakesItAllBack)
{
    for (bool bottom : { true, false }) {
        SCOPED_TRACE(bottom);
        diagram rows = { "..r.k...", ".P......", "........", "........", "........", "........",
            "........", "....K..." };
        chess g = makeChess(bottom ? rows : mirror(rows), bottom);
        const chess_state before(g);
        std::string from = bottom ? "b7" : "b2", to = bottom ? "c8" : "c1";
        ASSERT_TRUE(play(g, from, to)); // promotes with a capture
        EXPECT_TRUE(g.promotionPending);
        EXPECT_EQ(g.p1ToMove, !bottom);
        EXPECT_EQ(at(g, to), bottom ? 6 : 16);
        g.undo();
        EXPECT_TRUE(chess_state(g) == before);
        EXPECT_EQ(at(g, to), bottom ? 13 : 3);
    }
}

TEST(ChessPlay, UndoWhileLiftedPutsThePieceBackFirst)
{
    chess g(true);
    ASSERT_TRUE(play(g, "e2", "e4"));
    liftAt(g, 6, 7); // top knight lifted
    g.undo(); // takes back e2-e4, with the knight home again
    EXPECT_EQ(g.dragging, 0);
    EXPECT_EQ(at(g, "g8"), 14);
    EXPECT_EQ(at(g, "e2"), 6);
    EXPECT_EQ(at(g, "e4"), 0);
    EXPECT_TRUE(g.p1ToMove);
    g.mouseup(0, 0); // the late release finds nothing lifted
    EXPECT_TRUE(chess_state(g) == chess_state(chess(true)));
}

TEST(ChessPlay, TwoUndosGiveTheTurnBackAndAnEmptyHistoryIsANoOp)
{
    chess g(true);
    g.undo();
    EXPECT_TRUE(chess_state(g) == chess_state(chess(true)));
    ASSERT_TRUE(play(g, "g1", "f3"));
    ASSERT_TRUE(play(g, "d7", "d5"));
    g.undo();
    g.undo();
    EXPECT_TRUE(chess_state(g) == chess_state(chess(true)));
}

// The fields are public: positions that play never reaches are played like any other.
TEST(ChessPlay, PositionsPlayNeverReachesArePlayedToo)
{
    const std::string empty = "........";
    chess noKings
        = makeChess({ empty, empty, empty, empty, empty, empty, empty, "R......." }, true);
    EXPECT_TRUE(play(noKings, "a1", "a5"));
    chess kingTaken
        = makeChess({ "....k...", empty, empty, empty, empty, empty, empty, "....R..K" }, true);
    EXPECT_TRUE(play(kingTaken, "e1", "e8")); // a capture like any other, ending nothing
    chess backRows
        = makeChess({ "p...k...", empty, empty, empty, empty, empty, empty, "P...K..." }, true);
    EXPECT_TRUE(play(backRows, "e1", "e2"));
    EXPECT_TRUE(play(backRows, "e8", "d8"));
    EXPECT_TRUE(play(backRows, "a1", "a2"));
    for (chess* g : { &noKings, &kingTaken, &backRows }) {
        while (!g->undoStack.empty())
            g->undo();
        g->undo();
    }
    // Two-column king moves played by hand from off the home square, rights set: plain moves,
    // and undo gives back exactly the position before.
    for (auto [from, to] : { std::pair { "a1", "c1" }, { "e2", "g2" }, { "e2", "c2" } }) {
        SCOPED_TRACE(std::string(from) + to);
        auto [fc, fr] = square(from);
        auto [tc, tr] = square(to);
        diagram rows = { "r...k..r", empty, empty, empty, empty, empty, "R.......", "R......R" };
        rows[7 - fr][fc] = 'K';
        chess g = makeChess(rows, true, true);
        const chess_state before(g);
        liftAt(g, fc, fr);
        g.move(tc, tr);
        EXPECT_EQ(g.board[tc][tr], 1);
        EXPECT_EQ(g.board[tc == 2 ? 3 : 5][tr], 0); // no rook brought beside it
        g.undo();
        EXPECT_TRUE(chess_state(g) == before);
    }
}

TEST(ChessPlay, TopPlayerFirstWhenBuiltWithFalse)
{
    chess g(false);
    EXPECT_FALSE(ownPiece(g, 4, 1));
    EXPECT_TRUE(ownPiece(g, 4, 6));
    EXPECT_TRUE(play(g, "e7", "e5"));
}

// Every legal move of a set of positions, special moves among them, is undone exactly.
TEST(ChessUndo, RoundTripOfEveryLegalMove)
{
    const diagram positions[] = {
        { "rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP",
            "RNBQKBNR" },
        { "r...k..r", "pP.....p", "........", "..pP....", ".....p..", "........", "P.....Pp",
            "R...K..R" },
        { "r...k..r", "p.ppqpb.", "bn..pnp.", "..pPN...", ".p..P...", "..N..Q.p", "PPPBBPPP",
            "R...K..R" },
    };
    for (const diagram& rows : positions) {
        for (bool bottom : { true, false }) {
            chess g = makeChess(rows, bottom, true);
            const chess_state before(g);
            int moves = 0;
            for (int fc = 0; fc < 8; ++fc) {
                for (int fr = 0; fr < 8; ++fr) {
                    if (!ownPiece(g, fc, fr))
                        continue;
                    for (const std::string& to : legalTargets(g, fc, fr)) {
                        SCOPED_TRACE(squareName(fc, fr) + to);
                        ASSERT_TRUE(play(g, squareName(fc, fr), to));
                        g.undo();
                        ASSERT_TRUE(chess_state(g) == before);
                        ++moves;
                    }
                }
            }
            EXPECT_GT(moves, 10);
        }
    }
}

} // namespace
