// SPDX-License-Identifier: MIT
#pragma once

#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"
#include "support/gl_env.h"

#include "platform/gl.h"
#include <gtest/gtest.h>

namespace testing_support {

// Each test starts in Playing with a fresh chess game as my_game and a 550 by 550 view.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        use(new chess(true));
        registerCallbacks();
        myReshape(550, 550);
    }

    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

    // Makes the game current, as the shell's own game is, and keeps it until the next one.
    template <typename G> G& use(G* g)
    {
        delete my_game;
        my_game = g;
        return *g;
    }

    // Window pixel of the centre of a point in square (column, row), offset in cell units.
    static int px(int column, float dx = 0.5f) { return pixelX(column + dx); }
    static int py(int row, float dy = 0.5f) { return pixelY(row + dy); }

    // Clears and draws the current game as the display callback does.
    static void redraw() { display(); }

    // A move as the window reports it: press, a few motions, release, each at the point of the
    // square where pieces are grabbed (grabHeight up from the square's lower edge).
    void press(int column, int row) { mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, px(column), gy(row)); }
    void dragTo(int column, int row)
    {
        for (int step = 1; step <= 3; ++step)
            mousemove(px(column) + step - 3, gy(row));
    }
    void release(int column, int row) { mouse(GLUT_LEFT_BUTTON, GLUT_UP, px(column), gy(row)); }
    void moveByMouse(int fromColumn, int fromRow, int toColumn, int toRow)
    {
        press(fromColumn, fromRow);
        dragTo(toColumn, toRow);
        release(toColumn, toRow);
    }
    int gy(int row) const { return py(row, grabHeight); }

    float grabHeight = 0.5f; // a checker's centre; chess tests grab a piece by its foot
};

} // namespace testing_support
