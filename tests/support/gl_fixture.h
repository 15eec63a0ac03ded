#pragma once

#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"
#include "support/gl_env.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace testing_support {

// Each test starts in Playing with a fresh chess game as my_game and a 550 by 550 view.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        use(new chess(true));
        registerCallbacks();
        getModifiers = [] { return 0; };
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
};

} // namespace testing_support
