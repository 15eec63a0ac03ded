// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "support/dumps.h"
#include "support/expect.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace testing_support;

const int startRows[8][8] = {
    { 3, 4, 5, 2, 1, 5, 4, 3 },
    { 6, 6, 6, 6, 6, 6, 6, 6 },
    {},
    {},
    {},
    {},
    { 16, 16, 16, 16, 16, 16, 16, 16 },
    { 13, 14, 15, 12, 11, 15, 14, 13 },
};

TEST(ChessPosition, BothConstructorsGiveTheStartingPositionAndDefaults)
{
    for (bool p1First : { true, false }) {
        SCOPED_TRACE(p1First);
        chess g(p1First);
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r)
                EXPECT_EQ(g.board[c][r], startRows[r][c]) << c << "," << r;
        }
        EXPECT_EQ(g.p1ToMove, p1First);
        EXPECT_EQ(g.dragging, 0);
        EXPECT_FALSE(g.promotionPending);
        EXPECT_TRUE(g.p1CanCastleKingside && g.p1CanCastleQueenside);
        EXPECT_TRUE(g.p2CanCastleKingside && g.p2CanCastleQueenside);
        EXPECT_EQ(g.fromColumn, -1);
        EXPECT_EQ(g.fromRow, -1);
        EXPECT_EQ(g.liftedPiece, 0);
        EXPECT_TRUE(g.undoStack.empty());
        expectColour(g.darkSquareColor, 0, 0, 0);
        expectColour(g.lightSquareColor, 1, 1, 1);
        expectColour(g.p1Color, 0.8f, 0.8f, 0.8f);
        expectColour(g.p2Color, 0.2f, 0.2f, 0.2f);
        EXPECT_FALSE(g.gameover());
    }
}

TEST(ChessPosition, CodeTests)
{
    struct {
        int code, type;
        bool p1, p2;
    } const cases[] = {
        { 0, 0, false, false },
        { 6, 6, true, false },
        { 9, 9, true, false },
        { 10, 0, false, false },
        { 11, 1, false, true },
        { 16, 6, false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(chess::getType(c.code), c.type);
        EXPECT_EQ(chess::isP1(c.code), c.p1);
        EXPECT_EQ(chess::isP2(c.code), c.p2);
    }
    chess g(true);
    EXPECT_EQ(g.getType(4, 7), 1);
    EXPECT_TRUE(g.isP1(0, 1));
    EXPECT_TRUE(g.isP2(7, 6));
    EXPECT_FALSE(g.isP1(3, 3) || g.isP2(3, 3));
}

TEST(ChessPosition, BoardSchemes)
{
    const float expected[3][6]
        = { { 0, 0, 0, 1, 1, 1 }, { 1, 0, 0, 1, 1, 1 }, { 0, 0, 0, 1, 0, 0 } };
    chess g(true);
    for (int scheme = 2; scheme >= 0; --scheme) {
        SCOPED_TRACE(scheme);
        g.changeBoard(scheme);
        expectColour(
            g.darkSquareColor, expected[scheme][0], expected[scheme][1], expected[scheme][2]);
        expectColour(
            g.lightSquareColor, expected[scheme][3], expected[scheme][4], expected[scheme][5]);
    }
}

TEST(ChessPosition, PieceColoursSetOnlyTheChosenPlayer)
{
    const float table[7][3] = { { 0.2f, 0.2f, 0.2f }, { 0.8f, 0.8f, 0.8f }, { 0.5f, 0.5f, 0.5f },
        { 0.8f, 0, 0 }, { 0, 0.8f, 0 }, { 0, 0, 0.8f }, { 0.72f, 0.52f, 0 } };
    for (int colour = 0; colour < 7; ++colour) {
        SCOPED_TRACE(colour);
        chess g(true);
        g.changeColor(false, colour);
        expectColour(g.p2Color, table[colour][0], table[colour][1], table[colour][2]);
        expectColour(g.p1Color, 0.8f, 0.8f, 0.8f);
        g.changeColor(true, colour);
        expectColour(g.p1Color, table[colour][0], table[colour][1], table[colour][2]);
    }
}

TEST(ChessPosition, OutOfRangeColourNumbersChangeNothing)
{
    chess g(true);
    g.changeBoard(1);
    g.changeColor(true, 3);
    g.changeColor(false, 4);
    for (int bad : { -1, 3, 7, 1000, -1000 })
        g.changeBoard(bad);
    for (int bad : { -1, 7, 14, 1000 }) {
        g.changeColor(true, bad);
        g.changeColor(false, bad);
    }
    expectColour(g.darkSquareColor, 1, 0, 0);
    expectColour(g.lightSquareColor, 1, 1, 1);
    expectColour(g.p1Color, 0.8f, 0, 0);
    expectColour(g.p2Color, 0, 0.8f, 0);
}

TEST(ChessPosition, DumpOfTheStartingPosition)
{
    chess g(false);
    EXPECT_EQ(dump(g), chessStartDump);
}

} // namespace
