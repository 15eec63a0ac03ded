// SPDX-License-Identifier: MIT
#include "support/checkers_setup.h"
#include "support/gl_fixture.h"

#include <cmath>

namespace {

using namespace testing_support;

class CheckersGl : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        menu(1); // "New Checkers Game" > "Bottom player goes first"
        g = dynamic_cast<checkers*>(my_game);
        ASSERT_NE(g, nullptr);
    }

    checkers* g = nullptr;
};

// The discs a piece is drawn with, in drawing order: centre, radius and colour of each.
struct disc {
    float x, y, radius, red;
};

std::vector<disc> discsOf(const std::vector<fb_item>& items)
{
    // A disc is a fan of 61 triangles; its circle passes through any three of its vertices.
    std::vector<disc> out;
    for (std::size_t i = 0; i + 61 <= items.size(); i += 61) {
        const fb_vertex a = items[i].triangle[0], b = items[i + 20].triangle[0],
                        c = items[i + 40].triangle[0];
        double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
        double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
        double x = (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d;
        double y = (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d;
        out.push_back({ static_cast<float>(x), static_cast<float>(y),
            static_cast<float>(std::hypot(a.x - x, a.y - y)), a.r });
    }
    return out;
}

TEST_F(CheckersGl, MenAndKingsAreTwoDiscsEach)
{
    myReshape(800, 800);
    struct {
        int code;
        float outer, inner;
        const float *outerColour, *innerColour;
    } const cases[] = {
        { 1, 0.4f, 0.32f, g->p1Color, g->p1AccentColor },
        { 2, 0.4f, 0.32f, g->p2Color, g->p2AccentColor },
        { 3, 0.45f, 0.36f, g->p1AccentColor, g->p1Color },
        { 4, 0.45f, 0.36f, g->p2AccentColor, g->p2Color },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        auto items = captureFeedback([&] { g->drawchecker(3.5f, 4.5f, c.code, -1); });
        ASSERT_EQ(items.size(), 2 * 61u);
        EXPECT_EQ(distinctVertices({ items.begin(), items.begin() + 61 }).size(), 63u);
        EXPECT_EQ(distinctVertices({ items.begin() + 61, items.end() }).size(), 63u);
        auto discs = discsOf(items);
        EXPECT_NEAR(discs[0].radius, c.outer, 0.002);
        EXPECT_NEAR(discs[1].radius, c.inner, 0.002);
        EXPECT_NEAR(discs[0].x, 3.5f, 0.002);
        EXPECT_NEAR(discs[0].y, 4.5f, 0.002);
        EXPECT_NEAR(discs[0].red, c.outerColour[0], 0.01);
        EXPECT_NEAR(discs[1].red, c.innerColour[0], 0.01);
    }
    EXPECT_TRUE(captureFeedback([&] { g->drawchecker(1.5f, 1.5f, 7, 12); }).empty());
}

TEST_F(CheckersGl, StartPositionOnScreenAndItsNames)
{
    auto items = captureFeedback([&] { g->draw(false); });
    EXPECT_EQ(items.size(), 64 * 2 + 24 * 2 * 61u);
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.5f), py(0)), 0, 0, 0)); // dark square
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.02f), py(1)), 1, 0, 0)); // playing square's edge
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.5f), py(0)), 0.2f, 0.2f, 0.2f)); // bottom centre
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.14f), py(0)), 0.1f, 0.1f, 0.1f)); // bottom rim
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.5f), py(7)), 0.6f, 0, 0)); // top centre

    g->board[3][4] = 1;
    g->board[1][2] = 0;
    EXPECT_EQ(pick(px(3), py(4)), 34);
    EXPECT_EQ(pick(px(0), py(5)), 5);
    EXPECT_EQ(pick(px(0), py(0)), -1);
    EXPECT_EQ(pick(px(4), py(4)), -1);
}

TEST_F(CheckersGl, ColourChangesShowAndTheLiftedPieceIsOnTop)
{
    menu(5); // "Red and White"
    menu(7 + 5); // bottom "Blue"
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.5f), py(0)), 1, 0, 0));
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.5f), py(0)), 0, 0, 0.6f));
    press(1, 2);
    dragTo(0, 5); // over a top man
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(0), py(5)), 0, 0, 0.6f));
    EXPECT_TRUE(nearColour(pixelAt(px(1), py(2)), 1, 1, 1)); // its own square shows empty
}

TEST_F(CheckersGl, AJumpingPieceGoesOnJumpingUntilTheOpponentLifts)
{
    setBoard(*g,
        { "t.......", "........", "....t...", "........", "..t.....", ".b......", "........",
            "........" });
    moveByMouse(1, 2, 3, 4); // jump over (2, 3)
    EXPECT_EQ(g->board[2][3], 0);
    EXPECT_FALSE(g->p1ToMove);
    moveByMouse(3, 4, 2, 5); // a step out of turn is refused...
    EXPECT_EQ(g->board[3][4], 1);
    moveByMouse(3, 4, 5, 6); // ...another jump is accepted
    EXPECT_EQ(g->board[5][6], 1);
    EXPECT_EQ(g->board[4][5], 0);
    EXPECT_EQ(g->p2PieceCount, 1);

    press(0, 7); // the opponent only looks at a piece
    release(0, 7);
    press(5, 6); // the chance to go on is gone
    EXPECT_EQ(g->dragging, 0);
    release(5, 6);

    g->undo(); // undoing the second jump reopens the chance after the first
    EXPECT_EQ(g->board[3][4], 1);
    EXPECT_EQ(g->board[4][5], 2);
    EXPECT_EQ(g->p2PieceCount, 2);
    EXPECT_FALSE(g->p1ToMove);
    moveByMouse(3, 4, 5, 6);
    EXPECT_EQ(g->board[5][6], 1);

    moveByMouse(0, 7, 1, 6); // the opponent's step ends the jumping for both sides
    press(1, 6);
    EXPECT_EQ(g->dragging, 0);
    release(1, 6);
    g->undo(); // undoing that step does not reopen the chain
    press(5, 6);
    EXPECT_EQ(g->dragging, 0);
}

TEST_F(CheckersGl, AManCrownedByAJumpJumpsOnAsAKing)
{
    setBoard(*g,
        { "........", ".t.t....", "....b...", "........", "........", "........", "........",
            ".......t" });
    moveByMouse(4, 5, 2, 7);
    EXPECT_EQ(g->board[2][7], 3);
    moveByMouse(2, 7, 0, 5); // backwards, as a king, in the same chain
    EXPECT_EQ(g->board[0][5], 3);
    EXPECT_EQ(g->board[1][6], 0);
    EXPECT_EQ(g->p2PieceCount, 1);
    g->undo();
    g->undo();
    EXPECT_EQ(g->board[4][5], 1);
    EXPECT_EQ(g->p2PieceCount, 3);
}

TEST_F(CheckersGl, LostReleaseAndUndoDuringADragKeepEveryPiece)
{
    press(1, 2);
    press(3, 2); // the first release never came
    EXPECT_EQ(g->board[1][2], 1);
    EXPECT_EQ(g->board[3][2], 0);
    dragTo(4, 3);
    release(4, 3);
    EXPECT_EQ(g->board[4][3], 1);
    press(4, 3); // a piece that stepped does not go on out of turn
    EXPECT_EQ(g->dragging, 0);
    release(4, 3);
    press(0, 5);
    dragTo(1, 4);
    keyCommand('z', 0);
    EXPECT_EQ(g->dragging, 0);
    EXPECT_EQ(g->board[0][5], 2);
    EXPECT_EQ(g->board[3][2], 1);
    EXPECT_EQ(g->board[4][3], 0);
    release(1, 4);
    EXPECT_EQ(g->board[1][4], 0);
    EXPECT_EQ(g->p1PieceCount, 12);
    EXPECT_EQ(g->p2PieceCount, 12);
}

TEST_F(CheckersGl, TheReleaseThatTakesTheLastPieceFinishesTheGame)
{
    setBoard(*g,
        { "........", "........", "........", "........", "..t.....", ".b......", "........",
            "........" });
    moveByMouse(1, 2, 3, 4);
    EXPECT_TRUE(g->gameover());
    EXPECT_EQ(shellState, shell_state::finished);
    press(3, 4);
    EXPECT_EQ(g->dragging, 0);
    keyCommand('z', 0); // undo still reaches the finished game
    EXPECT_EQ(g->board[2][3], 2);
    EXPECT_EQ(shellState, shell_state::finished);

    menu(0); // a new game from Finished brings the board and the mouse back
    EXPECT_EQ(shellState, shell_state::playing);
    g = dynamic_cast<checkers*>(my_game);
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->p1ToMove);
    press(0, 5);
    EXPECT_EQ(g->dragging, 1);
}

TEST_F(CheckersGl, ANewGameAfterTheBannerAndAfterColourChangesStartsAfresh)
{
    menu(4);
    menu(8);
    moveByMouse(1, 2, 0, 3);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(shellState, shell_state::banner);
    menu(1);
    EXPECT_EQ(shellState, shell_state::playing);
    auto* fresh = dynamic_cast<checkers*>(my_game);
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->undoStack.empty());
    EXPECT_FLOAT_EQ(fresh->lightSquareColor[1], 0);
    EXPECT_FLOAT_EQ(fresh->p1Color[0], 0.1f);
    fresh->undo();
    EXPECT_EQ(fresh->board[1][2], 1);
}

TEST_F(CheckersGl, SwitchingGamesManyTimesKeepsOneGame)
{
    // LeakSanitizer, on in the test build, reports any game left behind.
    for (int i = 0; i < 200; ++i) {
        menu(i % 4);
        if (i % 3 == 0)
            moveByMouse(1, 2, 0, 3);
    }
    EXPECT_NE(dynamic_cast<chess*>(my_game), nullptr);
}

} // namespace
