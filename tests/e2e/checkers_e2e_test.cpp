// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"
#include "support/dumps.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;

TEST(CheckersEndToEnd, NewGameStepJumpUndoAndBackToChess)
{
    program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);

    p.chooseMenu({ 0, 1 }, { 5, 2 }); // "New Checkers Game" > "Bottom player goes first"
    EXPECT_EQ(p.dump(), testing_support::checkersStartDump);
    // The red board: the bottom-left square is black, its neighbour red.
    EXPECT_TRUE(p.waitForPixel(boardX(1.02f), boardY(0.5f), { 255, 0, 0 }));

    dragPiece(p, 3, 2, 4, 3, 0.5f); // a step
    dragPiece(p, 6, 5, 5, 4, 0.5f); // the reply
    dragPiece(p, 4, 3, 6, 5, 0.5f); // a jump over it
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
