// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"
#include "support/dumps.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;

void move(program& p, int fromColumn, int fromRow, int toColumn, int toRow)
{
    dragPiece(p, fromColumn, fromRow, toColumn, toRow, 0.5f);
}

TEST(CheckersEndToEnd, NewGameStepJumpUndoAndBackToChess)
{
    program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);

    p.chooseMenu({ 0, 1 }, { 5, 2 }); // "New Checkers Game" > "Bottom player goes first"
    EXPECT_EQ(p.dump(), testing_support::checkersStartDump);
    // The red board: the bottom-left square is black, its neighbour red.
    EXPECT_TRUE(p.waitForPixel(boardX(1.02f), boardY(0.5f), { 255, 0, 0 }));

    move(p, 3, 2, 4, 3); // a step
    move(p, 6, 5, 5, 4); // the reply
    move(p, 4, 3, 6, 5); // a jump over it
    board_codes board = parseDump(p.dump());
    EXPECT_EQ(board[6][5], 1);
    EXPECT_EQ(board[5][4], 0);
    EXPECT_EQ(board[4][3], 0);

    p.key("z");
    board = parseDump(p.dump());
    EXPECT_EQ(board[4][3], 1);
    EXPECT_EQ(board[5][4], 2);
    EXPECT_EQ(board[6][5], 0);

    p.chooseMenu({ 1, 1 }, { 5, 2 }); // "New Chess Game" > "Bottom player goes first"
    EXPECT_EQ(parseDump(p.dump())[4][0], 1);
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

} // namespace
