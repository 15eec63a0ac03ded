// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "platform/gl.h"
#include "shell/drag.h"

namespace {

using namespace chess_pieces;

// Every silhouette is listed in the unit cell of its square, origin at the lower-left corner.
struct vertex {
    float x, y;
};

void polygon(GLenum mode, const vertex* v, int count)
{
    glBegin(mode);
    for (int i = 0; i < count; ++i)
        glVertex2f(v[i].x, v[i].y);
    glEnd();
}

template <int N> void polygon(const vertex (&v)[N]) { polygon(GL_POLYGON, v, N); }

const vertex wideFoot[] = { { 0.2f, 0 }, { 0.2f, 0.1f }, { 0.8f, 0.1f }, { 0.8f, 0 },
    { 0.3f, 0.1f }, { 0.4f, 0.2f }, { 0.6f, 0.2f }, { 0.7f, 0.1f } };
const vertex narrowFoot[] = { { 0.3f, 0 }, { 0.3f, 0.1f }, { 0.7f, 0.1f }, { 0.7f, 0 },
    { 0.3f, 0.1f }, { 0.4f, 0.2f }, { 0.6f, 0.2f }, { 0.7f, 0.1f } };
const vertex head[] = { { 0.4f, 0.5f }, { 0.3f, 0.55f }, { 0.25f, 0.6f }, { 0.25f, 0.7f },
    { 0.3f, 0.75f }, { 0.4f, 0.8f }, { 0.6f, 0.8f }, { 0.7f, 0.75f }, { 0.75f, 0.7f },
    { 0.75f, 0.6f }, { 0.7f, 0.55f }, { 0.6f, 0.5f } };

const vertex kingBody[] = { { 0.4f, 0.2f }, { 0.4f, 0.4f }, { 0.6f, 0.4f }, { 0.6f, 0.2f },
    { 0.3f, 0.4f }, { 0.3f, 0.5f }, { 0.7f, 0.5f }, { 0.7f, 0.4f }, { 0.2f, 0.67f },
    { 0.2f, 0.78f }, { 0.8f, 0.78f }, { 0.8f, 0.67f } };
const vertex crown[] = { { 0.2f, 0.8f }, { 0.3f, 0.9f }, { 0.4f, 0.8f }, { 0.4f, 0.8f },
    { 0.5f, 0.9f }, { 0.6f, 0.8f }, { 0.6f, 0.8f }, { 0.7f, 0.9f }, { 0.8f, 0.8f } };
const vertex queenBody[] = { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f },
    { 0.3f, 0.5f }, { 0.3f, 0.6f }, { 0.7f, 0.6f }, { 0.7f, 0.5f }, { 0.2f, 0.7f }, { 0.2f, 0.8f },
    { 0.8f, 0.8f }, { 0.8f, 0.7f } };
const vertex rookBody[] = { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f },
    { 0.3f, 0.5f }, { 0.3f, 0.6f }, { 0.7f, 0.6f }, { 0.7f, 0.5f }, { 0.3f, 0.6f }, { 0.3f, 0.7f },
    { 0.42f, 0.7f }, { 0.42f, 0.6f }, { 0.58f, 0.6f }, { 0.58f, 0.7f }, { 0.7f, 0.7f },
    { 0.7f, 0.6f } };
const vertex knightBody[]
    = { { 0.4f, 0.1f }, { 0.6f, 0.2f }, { 0.4f, 0.45f }, { 0.2f, 0.4f }, { 0.2f, 0.4f },
          { 0.4f, 0.45f }, { 0.45f, 0.56f }, { 0.2f, 0.6f }, { 0.2f, 0.6f }, { 0.45f, 0.55f },
          { 0.5f, 0.6f }, { 0.4f, 0.8f }, { 0.5f, 0.6f }, { 0.4f, 0.8f }, { 0.55f, 0.8f },
          { 0.6f, 0.6f }, { 0.55f, 0.8f }, { 0.63f, 0.353f }, { 0.764f, 0.369f }, { 0.8f, 0.71f } };
const vertex bishopBody[] = { { 0.4f, 0.2f }, { 0.4f, 0.5f }, { 0.6f, 0.5f }, { 0.6f, 0.2f },
    { 0.5f, 0.4f }, { 0.3f, 0.55f }, { 0.5f, 0.7f }, { 0.7f, 0.55f }, { 0.5f, 0.65f },
    { 0.4f, 0.75f }, { 0.5f, 0.8f }, { 0.6f, 0.75f } };
const vertex pawnStem[] = { { 0.4f, 0.2f }, { 0.45f, 0.4f }, { 0.55f, 0.4f }, { 0.6f, 0.2f } };
const vertex pawnHead[] = { { 0.44f, 0.4f }, { 0.35f, 0.47f }, { 0.35f, 0.53f }, { 0.45f, 0.6f },
    { 0.55f, 0.6f }, { 0.65f, 0.53f }, { 0.65f, 0.47f }, { 0.55f, 0.4f } };

// Each list of quads is one glBegin(GL_QUADS): the foot and the body share it.
void footAndBody(const vertex (&foot)[8], const vertex* body, int bodyCount)
{
    glBegin(GL_QUADS);
    for (const vertex& v : foot)
        glVertex2f(v.x, v.y);
    for (int i = 0; i < bodyCount; ++i)
        glVertex2f(body[i].x, body[i].y);
    glEnd();
}

template <int N> void footAndBody(const vertex (&foot)[8], const vertex (&body)[N])
{
    footAndBody(foot, body, N);
}

void silhouette(int type, float* colour)
{
    switch (type) {
    case king:
        footAndBody(wideFoot, kingBody);
        polygon(head);
        return polygon(GL_TRIANGLES, crown, 9);
    case queen:
        footAndBody(wideFoot, queenBody);
        return polygon(head);
    case rook:
        return footAndBody(narrowFoot, rookBody);
    case knight:
        return footAndBody(narrowFoot, knightBody);
    case bishop:
        return footAndBody(narrowFoot, bishopBody);
    case pawn:
        footAndBody(narrowFoot, pawnStem);
        return polygon(pawnHead);
    default:
        return draw_circle(0.5f, 0.5f, 0.4f, colour);
    }
}

// The promotion choices in strip order: queen, knight, bishop, rook.
constexpr int stripTypes[4] = { queen, knight, bishop, rook };

} // namespace

void chess::draw(bool selectionMode)
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            draw_square(c, r, darkSquareColor, lightSquareColor);
            if (board[c][r] != 0) {
                // While a promotion waits, only the strip may be picked.
                bool named = selectionMode && !promotionPending;
                drawpiece(c + 0.5f, r + 0.5f, board[c][r], named ? nameOf(c, r) : -1);
            }
        }
    }
    if (dragging)
        drawpiece(dragX + 0.5f, dragY + 0.5f, liftedPiece, -1);
    if (promotionPending) {
        glColor3f(1, 1, 1);
        glBegin(GL_POLYGON);
        glVertex2i(2, 4);
        glVertex2i(2, 5);
        glVertex2i(6, 5);
        glVertex2i(6, 4);
        glEnd();
        // The turn has already passed, so the promoting player is the one not to move.
        for (int i = 0; i < 4; ++i) {
            int choice = code(stripTypes[i], !p1ToMove);
            drawpiece(2.5f + i, 4.5f, choice, choice);
        }
    }
}

void chess::drawpiece(float x, float y, int piece, int name)
{
    if (name != -1)
        glPushName(name);
    float* colour = isP1(piece) ? p1Color : p2Color;
    glColor3fv(colour);
    glPushMatrix();
    glTranslatef(x - 0.5f, y - 0.5f, 0);
    silhouette(getType(piece), colour);
    glPopMatrix();
    if (name != -1)
        glPopName();
}
