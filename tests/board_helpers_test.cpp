// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"
#include "support/gl_fixture.h"

#include "platform/gl.h"
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

namespace {

using namespace testing_support;

// Draws named unit quads; enough to drive pick without a real game.
class quad_game : public game {
public:
    struct quad {
        float x, y;
        std::vector<GLuint> names;
    };
    std::vector<quad> quads;

    void mousedown(int, int) override { }
    void mouseup(float, float) override { }
    void mousemove(float, float) override { }
    void undo() override { }
    bool gameover() override { return false; }
    void printInformation() override { }
    void changeBoard(int) override { }
    void changeColor(bool, int) override { }
    void draw(bool) override
    {
        for (const quad& q : quads) {
            for (GLuint name : q.names)
                glPushName(name);
            glBegin(GL_QUADS);
            glVertex2f(q.x, q.y);
            glVertex2f(q.x + 1, q.y);
            glVertex2f(q.x + 1, q.y + 1);
            glVertex2f(q.x, q.y + 1);
            glEnd();
            for (std::size_t i = 0; i < q.names.size(); ++i)
                glPopName();
        }
    }
};

// Code written against the declared interface compiles unchanged: quad_game overrides the nine
// operations as declared, and the helpers and both games' gameover have exactly these types.
static_assert(std::is_same_v<decltype(&toBoardX), float (*)(int)>);
static_assert(std::is_same_v<decltype(&toBoardY), float (*)(int)>);
static_assert(std::is_same_v<decltype(&ftoi), int (*)(float)>);
static_assert(std::is_same_v<decltype(&draw_circle), void (*)(float, float, float, float*)>);
static_assert(std::is_same_v<decltype(&pick), int (*)(int, int)>);
static_assert(std::is_same_v<decltype(&chess::gameover), bool (chess::*)()>);
static_assert(std::is_same_v<decltype(&checkers::gameover), bool (checkers::*)()>);

using BoardHelpers = GlTest;

TEST_F(BoardHelpers, FtoiRoundsTowardsMinusInfinity)
{
    EXPECT_EQ(ftoi(-0.2f), -1);
    EXPECT_EQ(ftoi(-1.0f), -1);
    EXPECT_EQ(ftoi(0.0f), 0);
    EXPECT_EQ(ftoi(2.7f), 2);
    EXPECT_EQ(ftoi(7.99f), 7);
    EXPECT_EQ(ftoi(8.0f), 8);
    // Past the int range and for NaN: defined, and off the board.
    EXPECT_EQ(ftoi(3e9f), std::numeric_limits<int>::max());
    EXPECT_EQ(ftoi(-3e9f), std::numeric_limits<int>::min());
    EXPECT_EQ(ftoi(std::nanf("")), std::numeric_limits<int>::min());
    EXPECT_EQ(ftoi(-2147483648.0f), std::numeric_limits<int>::min());
}

TEST_F(BoardHelpers, ViewValuesFollowTheWindowShape)
{
    myReshape(550, 550);
    EXPECT_EQ(boardsize, 550);
    EXPECT_FLOAT_EQ(boardx, 8);
    EXPECT_FLOAT_EQ(boardy, 8);
    EXPECT_FLOAT_EQ(toBoardX(0), 0);
    EXPECT_FLOAT_EQ(toBoardX(275), 4);
    EXPECT_FLOAT_EQ(toBoardY(0), 8);
    EXPECT_FLOAT_EQ(toBoardY(550), 0);

    myReshape(800, 400);
    EXPECT_EQ(boardsize, 400);
    EXPECT_FLOAT_EQ(boardx, 16);
    EXPECT_FLOAT_EQ(boardy, 8);
    EXPECT_FLOAT_EQ(toBoardX(400), 8);
    EXPECT_GT(toBoardX(401), 8);

    myReshape(400, 800);
    EXPECT_EQ(boardsize, 400);
    EXPECT_FLOAT_EQ(boardx, 8);
    EXPECT_FLOAT_EQ(boardy, 16);
    EXPECT_FLOAT_EQ(toBoardY(0), 8);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 400);
    EXPECT_EQ(viewport[3], 800);
}

TEST_F(BoardHelpers, ZeroSizedReshapeKeepsTheView)
{
    myReshape(800, 400);
    myReshape(0, 400);
    myReshape(800, 0);
    myReshape(0, 0);
    EXPECT_EQ(boardsize, 400);
    EXPECT_FLOAT_EQ(boardx, 16);
    EXPECT_FLOAT_EQ(boardy, 8);
    EXPECT_FLOAT_EQ(toBoardX(200), 4);
}

TEST_F(BoardHelpers, BrownBackgroundBesideTheBoard)
{
    myReshape(800, 400);
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(600, 200), 0.6f, 0.4f, 0.2f));
    EXPECT_TRUE(nearColour(pixelAt(10, 390), 0, 0, 0)); // square (0, 0)
}

TEST_F(BoardHelpers, DrawCircleIsOnePolygonOf63Vertices)
{
    myReshape(800, 800);
    float rgb[3] = { 0.25f, 0.5f, 0.75f };
    auto items = captureFeedback([&] { draw_circle(4, 4, 2, rgb); });
    EXPECT_EQ(items.size(), 61u); // one fan of n - 2 triangles
    auto vertices = distinctVertices(items);
    EXPECT_EQ(vertices.size(), 63u);
    for (const auto& v : vertices)
        EXPECT_NEAR(std::hypot(v[0] - 4, v[1] - 4), 2, 0.002);
    EXPECT_NEAR(items.front().triangle[2].x, 6, 0.001); // the fan starts right of the centre
    EXPECT_NEAR(items.front().triangle[0].r, 0.25f, 0.01);
    GLfloat current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    EXPECT_FLOAT_EQ(current[2], 0.75f);
}

TEST_F(BoardHelpers, PickFindsNamesAndNothingElse)
{
    auto& g = use(new quad_game);
    g.quads = { { 1, 1, {} }, { 3, 3, { 33 } }, { 5, 5, { 7, 8 } } };
    EXPECT_EQ(pick(px(1), py(1)), -1); // unnamed
    EXPECT_EQ(pick(px(3), py(3)), 33);
    EXPECT_EQ(pick(px(5), py(5)), -1); // two names: passed over
    EXPECT_EQ(pick(px(0), py(0)), -1); // nothing drawn
    GLint mode;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    EXPECT_EQ(mode, GL_RENDER);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_FLOAT_EQ(projection[0], 2.0f / 8); // the view's own projection is back
}

TEST_F(BoardHelpers, PickPrefersTheFirstDrawnOfTwo)
{
    auto& g = use(new quad_game);
    g.quads = { { 2, 2, { 9 } }, { 2, 2, { 4 } } };
    EXPECT_EQ(pick(px(2), py(2)), 9);
    std::swap(g.quads[0], g.quads[1]);
    EXPECT_EQ(pick(px(2), py(2)), 4);
}

TEST_F(BoardHelpers, PickStaysInsideItsBufferWhenItOverflows)
{
    auto& g = use(new quad_game);
    // 40 one-name records need 160 entries: the buffer holds 120.
    for (GLuint i = 0; i < 40; ++i)
        g.quads.push_back({ 2, 2, { 100 + i } });
    EXPECT_EQ(pick(px(2), py(2)), 100);

    // Records with two names fill the buffer first: no complete one-name record remains.
    g.quads.clear();
    for (GLuint i = 0; i < 30; ++i)
        g.quads.push_back({ 2, 2, { i, i + 1 } });
    g.quads.push_back({ 2, 2, { 55 } });
    EXPECT_EQ(pick(px(2), py(2)), -1);

    // After a long record the walk goes on to the first complete one-name record.
    g.quads.clear();
    g.quads.push_back({ 2, 2, std::vector<GLuint>(30, 1) });
    for (GLuint i = 0; i < 40; ++i)
        g.quads.push_back({ 2, 2, { 200 + i } });
    EXPECT_EQ(pick(px(2), py(2)), 200);

    // 7 + 22 * 5 entries put the last record's header at 117-119 and its name past the end.
    g.quads.clear();
    g.quads.push_back({ 2, 2, { 1, 2, 3, 4 } });
    for (GLuint i = 0; i < 22; ++i)
        g.quads.push_back({ 2, 2, { i, i + 1 } });
    g.quads.push_back({ 2, 2, { 99 } });
    EXPECT_EQ(pick(px(2), py(2)), -1);
}

} // namespace
