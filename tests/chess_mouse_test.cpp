// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"
#include "support/gl_fixture.h"

namespace {

using namespace testing_support;

class ChessMouse : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        grabHeight = 0.1f; // the foot, inside every silhouette
        g = dynamic_cast<chess*>(my_game);
    }

    chess* g = nullptr;
};

TEST_F(ChessMouse, LiftDragAndDropOnTheCentreCell)
{
    press(4, 1);
    EXPECT_EQ(g->dragging, 1);
    EXPECT_EQ(g->liftedPiece, 6);
    EXPECT_EQ(g->board[4][1], 0);
    dragTo(4, 3);
    EXPECT_NEAR(g->dragX, 4, 0.05);
    EXPECT_NEAR(g->dragY, 3, 0.05);
    release(4, 3);
    EXPECT_EQ(g->dragging, 0);
    EXPECT_EQ(g->board[4][3], 6);
    EXPECT_FALSE(g->p1ToMove);
    EXPECT_EQ(g->undoStack.size(), 1u);
}

TEST_F(ChessMouse, PressAndReleaseWithoutMotionPutsThePieceBack)
{
    const chess_state before(*g);
    press(6, 0);
    release(6, 0);
    EXPECT_TRUE(chess_state(*g) == before);
}

TEST_F(ChessMouse, OnlyThePlayerOnTurnCanLift)
{
    press(4, 6); // a top pawn on the bottom player's turn
    EXPECT_EQ(g->dragging, 0);
    EXPECT_EQ(g->board[4][6], 16);
    release(4, 4);
    EXPECT_EQ(g->board[4][4], 0);
    press(4, 4); // an empty square
    EXPECT_EQ(g->dragging, 0);
}

TEST_F(ChessMouse, IllegalAndOffBoardDropsRestoreThePosition)
{
    const chess_state before(*g);
    moveByMouse(3, 0, 3, 4); // the queen through her own pawn
    EXPECT_TRUE(chess_state(*g) == before);
    myReshape(800, 400); // room to the right of the board
    press(7, 1);
    mousemove(pixelX(9.5f), gy(1));
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, pixelX(9.5f), gy(1));
    EXPECT_TRUE(chess_state(*g) == before);
}

TEST_F(ChessMouse, APressWhileLiftedPutsTheFirstPieceBack)
{
    press(4, 1); // its release never arrives
    press(3, 1);
    EXPECT_EQ(g->board[4][1], 6);
    EXPECT_EQ(g->board[3][1], 0);
    EXPECT_EQ(g->liftedPiece, 6);
    EXPECT_EQ(g->fromColumn, 3);
    dragTo(3, 3);
    release(3, 3);
    EXPECT_EQ(g->board[3][3], 6);
}

TEST_F(ChessMouse, UndoKeyDuringADragEndsItFirst)
{
    moveByMouse(4, 1, 4, 3);
    press(6, 7); // the top knight
    dragTo(5, 5);
    keyCommand('z', 0);
    EXPECT_EQ(g->dragging, 0);
    EXPECT_EQ(g->board[6][7], 14);
    EXPECT_EQ(g->board[4][1], 6);
    release(5, 5);
    EXPECT_TRUE(chess_state(*g) == chess_state(chess(true)));
}

TEST_F(ChessMouse, PromotionIsChosenOnTheStrip)
{
    setBoard(*g,
        { "....k...", ".P......", "........", "........", "........", "........", "........",
            "....K..." });
    moveByMouse(1, 6, 1, 7);
    ASSERT_TRUE(g->promotionPending);
    press(4, 0); // a board piece: ignored while the choice waits
    release(4, 0);
    press(0, 0);
    EXPECT_TRUE(g->promotionPending);
    EXPECT_EQ(g->dragging, 0);
    press(3, 4); // the knight, second in the strip
    release(3, 4);
    EXPECT_FALSE(g->promotionPending);
    EXPECT_EQ(g->board[1][7], 4);
    EXPECT_FALSE(g->p1ToMove);
    menu(undoMove);
    EXPECT_EQ(g->board[1][6], 6);
    EXPECT_EQ(g->board[1][7], 0);
    // A choice pending by hand for no square: the click ends it and writes nowhere.
    const chess_state before(*g);
    g->promotionPending = true;
    g->fromColumn = g->fromRow = -1;
    press(3, 4);
    EXPECT_FALSE(g->promotionPending);
    EXPECT_TRUE(chess_state(*g) == before);
}

TEST_F(ChessMouse, EveryPromotionChoiceForBothPlayers)
{
    for (bool bottom : { true, false }) {
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(std::to_string(bottom) + " " + std::to_string(i));
            diagram rows = { "....k...", ".P......", "........", "........", "........", "........",
                "........", "....K..." };
            g->p1ToMove = bottom;
            setBoard(*g, bottom ? rows : mirror(rows));
            moveByMouse(1, bottom ? 6 : 1, 1, bottom ? 7 : 0);
            ASSERT_TRUE(g->promotionPending);
            press(2 + i, 4);
            EXPECT_EQ(g->board[1][bottom ? 7 : 0], promotionStrip[i] + (bottom ? 0 : 10));
            g->undo();
        }
    }
}

} // namespace
