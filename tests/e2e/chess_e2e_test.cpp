// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;

TEST(ChessEndToEnd, DragIllegalDragAndUndo)
{
    program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);
    const std::string start = p.dump();

    // Released right of the cell's middle: the window shows the pawn settled in e4's cell.
    p.drag(boardX(4.5f), boardY(1.1f), boardX(4.8f), boardY(3.1f));
    const std::array<int, 3> white = { 255, 255, 255 }, black = { 0, 0, 0 };
    const std::array<int, 3> bottomPiece = { 204, 204, 204 }, topPiece = { 51, 51, 51 };
    EXPECT_TRUE(p.waitForPixel(boardX(4.5f), boardY(3.5f), bottomPiece)); // the pawn's head
    EXPECT_TRUE(p.waitForPixel(boardX(4.5f), boardY(1.5f), white)); // e2, left empty
    board_codes after = parseDump(p.dump());
    EXPECT_EQ(after[4][3], 6);
    EXPECT_EQ(after[4][1], 0);

    dragPiece(p, 3, 7, 3, 3, 0.1f); // top queen through her own pawn: refused, and shown back on d8
    EXPECT_TRUE(p.waitForPixel(boardX(3.5f), boardY(3.65f), black));
    EXPECT_TRUE(p.waitForPixel(boardX(3.5f), boardY(7.65f), topPiece)); // the queen's head
    dragPiece(p, 4, 3, 4, 4, 0.1f); // out of turn: the top player is to move
    EXPECT_EQ(parseDump(p.dump()), after);

    p.key("z");
    EXPECT_EQ(p.dump(), start);
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

TEST(ChessEndToEnd, PromotionChosenByClickingTheStrip)
{
    program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);
    for (const auto& m : promotionLine)
        dragPiece(p, m[0], m[1], m[2], m[3], 0.1f);
    // The queen is first in the strip over row 4, columns 2 to 5.
    p.click(boardX(2.5f), boardY(4.1f));
    board_codes board = parseDump(p.dump());
    EXPECT_EQ(board[1][7], 2);
    EXPECT_EQ(board[0][6], 0);
    EXPECT_EQ(board[0][1], 0);

    p.key("z"); // the promotion and its capture go back together
    board = parseDump(p.dump());
    EXPECT_EQ(board[0][6], 6);
    EXPECT_EQ(board[1][7], 14);
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
}

} // namespace
