// SPDX-License-Identifier: MIT
#include "support/chess_setup.h"
#include "support/gl_fixture.h"

#include "platform/gl.h"
#include <algorithm>
#include <cmath>

namespace {

using namespace testing_support;

using vertex_list = std::vector<std::array<float, 2>>;

// The silhouettes in cell coordinates, typed in from the piece designs.
const vertex_list wideFoot = { { 0.2f, 0 }, { 0.2f, 0.1f }, { 0.8f, 0.1f }, { 0.8f, 0 },
    { 0.3f, 0.1f }, { 0.4f, 0.2f }, { 0.6f, 0.2f }, { 0.7f, 0.1f } };
const vertex_list narrowFoot = { { 0.3f, 0 }, { 0.3f, 0.1f }, { 0.7f, 0.1f }, { 0.7f, 0 },
    { 0.3f, 0.1f }, { 0.4f, 0.2f }, { 0.6f, 0.2f }, { 0.7f, 0.1f } };
const vertex_list head = { { 0.4f, 0.5f }, { 0.3f, 0.55f }, { 0.25f, 0.6f }, { 0.25f, 0.7f },
    { 0.3f, 0.75f }, { 0.4f, 0.8f }, { 0.6f, 0.8f }, { 0.7f, 0.75f }, { 0.75f, 0.7f },
    { 0.75f, 0.6f }, { 0.7f, 0.55f }, { 0.6f, 0.5f } };

struct silhouette {
    int type;
    std::vector<vertex_list> parts;
    std::size_t triangles;
};

const silhouette silhouettes[] = {
    { 1,
        { wideFoot, head,
            { { 0.4f, 0.2f }, { 0.4f, 0.4f }, { 0.6f, 0.4f }, { 0.6f, 0.2f }, { 0.3f, 0.4f },
                { 0.3f, 0.5f }, { 0.7f, 0.5f }, { 0.7f, 0.4f }, { 0.2f, 0.67f }, { 0.2f, 0.78f },
                { 0.8f, 0.78f }, { 0.8f, 0.67f }, { 0.2f, 0.8f }, { 0.3f, 0.9f }, { 0.4f, 0.8f },
                { 0.5f, 0.9f }, { 0.6f, 0.8f }, { 0.7f, 0.9f }, { 0.8f, 0.8f } } },
        5 * 2 + 10 + 3 },
    { 2,
        { wideFoot, head,
            { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f }, { 0.3f, 0.5f },
                { 0.3f, 0.6f }, { 0.7f, 0.6f }, { 0.7f, 0.5f }, { 0.2f, 0.7f }, { 0.2f, 0.8f },
                { 0.8f, 0.8f }, { 0.8f, 0.7f } } },
        5 * 2 + 10 },
    { 3,
        { narrowFoot,
            { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f }, { 0.3f, 0.5f },
                { 0.3f, 0.6f }, { 0.7f, 0.6f }, { 0.7f, 0.5f }, { 0.3f, 0.6f }, { 0.3f, 0.7f },
                { 0.42f, 0.7f }, { 0.42f, 0.6f }, { 0.58f, 0.6f }, { 0.58f, 0.7f }, { 0.7f, 0.7f },
                { 0.7f, 0.6f } } },
        6 * 2 },
    { 4,
        { narrowFoot,
            { { 0.4f, 0.1f }, { 0.6f, 0.2f }, { 0.4f, 0.45f }, { 0.2f, 0.4f }, { 0.45f, 0.56f },
                { 0.2f, 0.6f }, { 0.45f, 0.55f }, { 0.5f, 0.6f }, { 0.4f, 0.8f }, { 0.55f, 0.8f },
                { 0.6f, 0.6f }, { 0.63f, 0.353f }, { 0.764f, 0.369f }, { 0.8f, 0.71f } } },
        7 * 2 },
    { 5,
        { narrowFoot,
            { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f }, { 0.5f, 0.4f },
                { 0.3f, 0.55f }, { 0.5f, 0.7f }, { 0.7f, 0.55f }, { 0.5f, 0.65f }, { 0.4f, 0.75f },
                { 0.5f, 0.8f }, { 0.6f, 0.75f } } },
        5 * 2 },
    { 6,
        { narrowFoot,
            { { 0.4f, 0.2f }, { 0.45f, 0.4f }, { 0.55f, 0.4f }, { 0.6f, 0.2f }, { 0.44f, 0.4f },
                { 0.35f, 0.47f }, { 0.35f, 0.53f }, { 0.45f, 0.6f }, { 0.55f, 0.6f },
                { 0.65f, 0.53f }, { 0.65f, 0.47f }, { 0.55f, 0.4f } } },
        3 * 2 + 6 },
};

vertex_list expectedVertices(const silhouette& s, float column, float row)
{
    vertex_list out;
    for (const vertex_list& part : s.parts) {
        for (const auto& v : part)
            out.push_back({ std::round((v[0] + column) * 1000) / 1000,
                std::round((v[1] + row) * 1000) / 1000 });
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

class ChessDrawing : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        game_ = dynamic_cast<chess*>(my_game);
    }
    chess* game_ = nullptr;
};

TEST_F(ChessDrawing, EverySilhouetteVertexByVertexInItsPlayersColour)
{
    chess& g = *game_;
    myReshape(800, 800);
    for (const silhouette& s : silhouettes) {
        for (int code : { s.type, s.type + 10 }) {
            SCOPED_TRACE(code);
            auto items = captureFeedback([&] { g.drawpiece(2.5f, 3.5f, code, -1); });
            EXPECT_EQ(items.size(), s.triangles);
            vertex_list actual = distinctVertices(items);
            vertex_list expected = expectedVertices(s, 2, 3);
            ASSERT_EQ(actual.size(), expected.size());
            for (std::size_t i = 0; i < actual.size(); ++i) {
                EXPECT_NEAR(actual[i][0], expected[i][0], 0.002);
                EXPECT_NEAR(actual[i][1], expected[i][1], 0.002);
            }
            const float* colour = code < 10 ? g.p1Color : g.p2Color;
            for (const fb_item& item : items)
                EXPECT_NEAR(item.triangle[0].r, colour[0], 0.01);
        }
    }
}

TEST_F(ChessDrawing, UnknownTypesAreDiscs)
{
    chess& g = *game_;
    myReshape(800, 800);
    for (int code : { 0, 7, 9, 17, -3 }) {
        SCOPED_TRACE(code);
        auto items = captureFeedback([&] { g.drawpiece(1.5f, 1.5f, code, -1); });
        auto vertices = distinctVertices(items);
        EXPECT_EQ(vertices.size(), 63u);
        for (const auto& v : vertices)
            EXPECT_NEAR(std::hypot(v[0] - 1.5f, v[1] - 1.5f), 0.4f, 0.002);
    }
}

TEST_F(ChessDrawing, StartPositionIs64SquaresAnd32Pieces)
{
    chess& g = *game_;
    myReshape(800, 800);
    auto items = captureFeedback([&] { g.draw(false); });
    int squares = 0, bottom = 0, top = 0;
    for (const fb_item& item : items) {
        float r = item.triangle[0].r;
        if (r < 0.01f || r > 0.99f)
            ++squares;
        else if (std::fabs(r - 0.8f) < 0.01f)
            ++bottom;
        else if (std::fabs(r - 0.2f) < 0.01f)
            ++top;
    }
    const int pieceTriangles = 23 + 20 + 2 * 12 + 2 * 14 + 2 * 10 + 8 * 12;
    EXPECT_EQ(squares, 64 * 2);
    EXPECT_EQ(bottom, pieceTriangles);
    EXPECT_EQ(top, pieceTriangles);
    EXPECT_EQ(items.size(), static_cast<std::size_t>(128 + 2 * pieceTriangles));

    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(modelview[i], i % 5 == 0 ? 1 : 0);
}

TEST_F(ChessDrawing, DisplayModePushesNoNames)
{
    chess& g = *game_;
    GLuint buffer[512];
    glSelectBuffer(512, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    g.draw(false);
    int hits = glRenderMode(GL_RENDER);
    ASSERT_GT(hits, 0);
    for (int i = 0, pos = 0; i < hits; ++i) {
        EXPECT_EQ(buffer[pos], 0u);
        pos += 3 + static_cast<int>(buffer[pos]);
    }
}

TEST_F(ChessDrawing, ChosenColoursShowOnScreen)
{
    chess& g = *game_;
    g.changeColor(true, 4);
    g.changeColor(false, 5);
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.1f), py(0, 0.9f)), 0, 0, 0));
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.1f), py(0, 0.9f)), 1, 1, 1));
    EXPECT_TRUE(nearColour(pixelAt(px(3, 0.5f), py(0, 0.05f)), 0, 0.8f, 0)); // bottom queen's foot
    EXPECT_TRUE(nearColour(pixelAt(px(3, 0.5f), py(7, 0.05f)), 0, 0, 0.8f)); // top queen's foot

    g.changeBoard(1);
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.1f), py(0, 0.9f)), 1, 0, 0));
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.1f), py(0, 0.9f)), 1, 1, 1));
    g.changeBoard(2);
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.1f), py(0, 0.9f)), 1, 0, 0));
}

TEST_F(ChessDrawing, TheDraggedPieceIsDrawnOverEverything)
{
    chess& g = *game_;
    liftAt(g, 3, 0); // the bottom queen, green
    g.changeColor(true, 4);
    g.dragX = 3;
    g.dragY = 7; // over the top queen
    redraw();
    EXPECT_TRUE(nearColour(pixelAt(px(3, 0.5f), py(7, 0.05f)), 0, 0.8f, 0));
    EXPECT_TRUE(nearColour(pixelAt(px(3, 0.5f), py(0, 0.05f)), 1, 1, 1)); // its square is empty
}

TEST_F(ChessDrawing, PickNamesPiecesByColumnAndRow)
{
    chess& g = *game_;
    auto at = [](int column, int row) { return pick(px(column), py(row, 0.05f)); };
    EXPECT_EQ(at(3, 0), 30);
    EXPECT_EQ(at(0, 7), 7);
    EXPECT_EQ(at(7, 7), 77);
    EXPECT_EQ(at(4, 4), -1); // an empty square
    liftAt(g, 4, 1);
    g.dragX = 4;
    g.dragY = 3;
    EXPECT_EQ(at(4, 3), -1); // the dragged piece
    EXPECT_EQ(at(4, 1), -1); // its empty square
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ChessDrawing, OnlyTheStripIsPickableWhileAPromotionWaits)
{
    chess& g = *game_;
    for (bool bottomPromotes : { true, false }) {
        SCOPED_TRACE(bottomPromotes);
        g.promotionPending = true;
        g.p1ToMove = !bottomPromotes;
        g.board[5][4] = 1; // a king under the rook of the strip: its crown sticks out
        EXPECT_EQ(pick(px(5), py(4, 0.85f)), -1);
        const int offset = bottomPromotes ? 0 : 10;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pick(px(2 + i), py(4, 0.05f)), promotionStrip[i] + offset);
        EXPECT_EQ(pick(px(0), py(0, 0.05f)), -1);
        EXPECT_EQ(pick(px(7), py(7, 0.05f)), -1);
        redraw();
        EXPECT_TRUE(nearColour(pixelAt(px(2, 0.05f), py(4, 0.95f)), 1, 1, 1)); // the white band
    }
}

} // namespace
