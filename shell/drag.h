// SPDX-License-Identifier: MIT
#pragma once

// What both games share beyond the game interface: squares and their selection names, and the drag
// mechanics over the drag fields both declare by one name.

#include "shell/game.h"

#include <optional>

struct square {
    int column, row;
};

inline bool onBoard(int column, int row)
{
    return column >= 0 && column < 8 && row >= 0 && row < 8;
}

// A piece's selection name, column*10 + row, and back; -1, no name, is off the board.
constexpr int nameOf(int column, int row) { return column * 10 + row; }
inline square squareOfName(int name) { return { name / 10, name % 10 }; }

// Takes the piece off its square as pressed at window pixel (x, y): from then on it follows the
// pointer at the offset where it was grabbed.
template <typename Game> void liftPiece(Game& g, int x, int y, square from)
{
    g.fromColumn = from.column;
    g.fromRow = from.row;
    g.liftedPiece = g.board[from.column][from.row];
    g.dragX = static_cast<float>(from.column);
    g.dragY = static_cast<float>(from.row);
    g.grabOffsetX = toBoardX(x) - g.dragX;
    g.grabOffsetY = toBoardY(y) - g.dragY;
    g.board[from.column][from.row] = 0;
    g.dragging = 1;
}

// The lifted piece follows the pointer at board point (x, y); with nothing lifted, nothing moves.
template <typename Game> void followPointer(Game& g, float x, float y)
{
    if (g.dragging) {
        g.dragX = x - g.grabOffsetX;
        g.dragY = y - g.grabOffsetY;
    }
}

// Ends the drag as the button comes up: the drop square, under the centre of the piece and not
// under the pointer. None when no piece was lifted, or it was lifted from no square (a drag state
// set from outside): such a release plays nothing and puts nothing back.
template <typename Game> std::optional<square> endDragAtDrop(Game& g)
{
    if (!g.dragging)
        return std::nullopt;
    g.dragging = 0;
    if (!onBoard(g.fromColumn, g.fromRow))
        return std::nullopt;
    return square { ftoi(g.dragX + 0.5f), ftoi(g.dragY + 0.5f) };
}

// Puts the lifted piece back on its square, if it names one: a drag state set from outside may
// not.
template <typename Game> void putBack(Game& g)
{
    if (onBoard(g.fromColumn, g.fromRow))
        g.board[g.fromColumn][g.fromRow] = g.liftedPiece;
}

// Ends a drag whose release never came, before a press or an undo: the piece goes back, neither
// lost nor doubled.
template <typename Game> void abandonDrag(Game& g)
{
    if (g.dragging) {
        putBack(g);
        g.dragging = 0;
    }
}
