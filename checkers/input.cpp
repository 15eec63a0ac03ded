// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"

#include "shell/drag.h"

bool checkers::mayLift(int column, int row) const
{
    if (isP1(column, row) && p1ToMove)
        return true;
    if (isP2(column, row) && !p1ToMove)
        return true;
    // The piece that has just jumped may go on jumping although the turn has passed.
    return lastMoveWasJump && column == fromColumn && row == fromRow;
}

void checkers::mousedown(int x, int y)
{
    abandonDrag(*this); // a press while a piece is lifted: its release was lost
    square picked = squareOfName(pick(x, y));
    if (onBoard(picked.column, picked.row) && mayLift(picked.column, picked.row))
        liftPiece(*this, x, y, picked);
}

void checkers::mousemove(float x, float y) { followPointer(*this, x, y); }

void checkers::mouseup(float, float)
{
    std::optional<square> to = endDragAtDrop(*this);
    if (!to)
        return;
    if (isLegalStep(to->column, to->row))
        step(to->column, to->row);
    else if (isLegalJump(to->column, to->row))
        jump(to->column, to->row);
    else
        cancelMove();
}

void checkers::cancelMove() { putBack(*this); }
