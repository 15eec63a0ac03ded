// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "shell/drag.h"

namespace {

bool isPromotionChoice(int type)
{
    using namespace chess_pieces;
    return type >= queen && type <= bishop;
}

} // namespace

void chess::mousedown(int x, int y)
{
    abandonDrag(*this); // a press while a piece is lifted: its release was lost
    if (promotionPending) {
        choosePromotion(x, y);
        return;
    }
    square picked = squareOfName(pick(x, y));
    if (!onBoard(picked.column, picked.row))
        return;
    if (p1ToMove ? isP1(picked.column, picked.row) : isP2(picked.column, picked.row))
        liftPiece(*this, x, y, picked);
}

void chess::choosePromotion(int x, int y)
{
    int name = pick(x, y);
    if (name == -1 || !isPromotionChoice(getType(name)))
        return;
    if (onBoard(fromColumn, fromRow))
        board[fromColumn][fromRow] = name;
    promotionPending = false;
}

void chess::mousemove(float x, float y) { followPointer(*this, x, y); }

void chess::mouseup(float, float)
{
    std::optional<square> to = endDragAtDrop(*this);
    if (!to)
        return;
    if (onBoard(to->column, to->row) && isLegal(to->column, to->row))
        move(to->column, to->row);
    else
        cancelMove();
}

void chess::cancelMove()
{
    putBack(*this);
    dragging = 0;
}
