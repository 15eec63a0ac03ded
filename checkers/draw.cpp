// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"

#include "platform/gl.h"
#include "shell/drag.h"

void checkers::draw(bool selectionMode)
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            draw_square(c, r, darkSquareColor, lightSquareColor);
            if (board[c][r] != 0)
                drawchecker(c + 0.5f, r + 0.5f, board[c][r], selectionMode ? nameOf(c, r) : -1);
        }
    }
    if (dragging)
        drawchecker(dragX + 0.5f, dragY + 0.5f, liftedPiece, -1);
}

void checkers::drawchecker(float x, float y, int piece, int name)
{
    if (name != -1)
        glPushName(name);
    // A man has a rim in the main shade around the second; a king is larger and inverts them.
    bool king = checker_pieces::isKing(piece);
    float* main = isP1(piece) ? p1Color : p2Color;
    float* accent = isP1(piece) ? p1AccentColor : p2AccentColor;
    if (isP1(piece) || isP2(piece)) {
        draw_circle(x, y, king ? 0.45f : 0.4f, king ? accent : main);
        draw_circle(x, y, king ? 0.36f : 0.32f, king ? main : accent);
    }
    if (name != -1)
        glPopName();
}
