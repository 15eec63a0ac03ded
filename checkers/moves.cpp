// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"

#include <cstdlib>

namespace {

constexpr int p1Man = 1, p2Man = 2, p1King = 3, p2King = 4;

bool onBoard(int column, int row) { return column >= 0 && column < 8 && row >= 0 && row < 8; }

} // namespace

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
    // A press while a piece is still lifted means its release was lost: put it back first.
    if (dragging)
        endDrag();
    int name = pick(x, y);
    if (name == -1)
        return;
    int column = name / 10;
    int row = name % 10;
    if (!onBoard(column, row) || !mayLift(column, row))
        return;
    fromColumn = column;
    fromRow = row;
    liftedPiece = board[column][row];
    dragX = static_cast<float>(column);
    dragY = static_cast<float>(row);
    grabOffsetX = toBoardX(x) - dragX;
    grabOffsetY = toBoardY(y) - dragY;
    board[column][row] = 0;
    dragging = 1;
}

void checkers::mousemove(float x, float y)
{
    if (!dragging)
        return;
    dragX = x - grabOffsetX;
    dragY = y - grabOffsetY;
}

void checkers::mouseup(float, float)
{
    if (!dragging)
        return;
    // The square under the centre of the dragged piece, not under the pointer.
    int column = ftoi(dragX + 0.5f);
    int row = ftoi(dragY + 0.5f);
    dragging = 0;
    // A drag state set by hand may start from no square: nothing is played or put back.
    if (!onBoard(fromColumn, fromRow))
        cancelMove();
    else if (isLegalStep(column, row))
        step(column, row);
    else if (isLegalJump(column, row))
        jump(column, row);
    else
        cancelMove();
}

bool checkers::isLegalTarget(int column, int row) const
{
    return onBoard(column, row) && (column + row) % 2 == 1 && board[column][row] == 0;
}

// Men go forward only: the bottom player's towards row 7, the top player's towards row 0.
bool checkers::directionAllows(int row) const
{
    if (liftedPiece == p1Man)
        return row >= fromRow;
    if (liftedPiece == p2Man)
        return row <= fromRow;
    return true;
}

bool checkers::isLegalStep(int column, int row) const
{
    if (!isLegalTarget(column, row))
        return false;
    if (std::abs(column - fromColumn) != 1 || std::abs(row - fromRow) != 1)
        return false;
    if (!directionAllows(row))
        return false;
    if (isP1(liftedPiece) && !p1ToMove)
        return false;
    return !(isP2(liftedPiece) && p1ToMove);
}

bool checkers::isLegalJump(int column, int row) const
{
    if (!isLegalTarget(column, row))
        return false;
    if (std::abs(column - fromColumn) != 2 || std::abs(row - fromRow) != 2)
        return false;
    if (!directionAllows(row))
        return false;
    int jumped = board[(fromColumn + column) / 2][(fromRow + row) / 2];
    return isP1(liftedPiece) ? isP2(jumped) : isP1(jumped);
}

void checkers::crown(int row)
{
    if (liftedPiece == p1Man && row == 7)
        liftedPiece = p1King;
    else if (liftedPiece == p2Man && row == 0)
        liftedPiece = p2King;
}

void checkers::step(int column, int row)
{
    saveMove(column, row, 0);
    crown(row);
    board[column][row] = liftedPiece;
    fromColumn = column;
    fromRow = row;
    lastMoveWasJump = false;
    p1ToMove = !p1ToMove;
}

void checkers::jump(int column, int row)
{
    int& jumped = board[(fromColumn + column) / 2][(fromRow + row) / 2];
    saveMove(column, row, jumped);
    crown(row);
    board[column][row] = liftedPiece;
    if (isP1(jumped))
        --p1PieceCount;
    else if (isP2(jumped))
        --p2PieceCount;
    jumped = 0;
    fromColumn = column;
    fromRow = row;
    lastMoveWasJump = true;
    // The opponent moves next even while this piece may go on jumping.
    p1ToMove = !isP1(liftedPiece);
}

void checkers::saveMove(int toColumn, int toRow, int capturedPiece)
{
    undoStack.push(
        checker_undo(fromColumn, fromRow, toColumn, toRow, p1ToMove, capturedPiece, liftedPiece));
}

void checkers::cancelMove()
{
    if (onBoard(fromColumn, fromRow))
        board[fromColumn][fromRow] = liftedPiece;
}

void checkers::endDrag()
{
    dragging = 0;
    cancelMove();
}

void checkers::undo()
{
    // Undo during a drag first puts the lifted piece back, so it is neither lost nor doubled.
    if (dragging)
        endDrag();
    if (undoStack.empty())
        return;
    const checker_undo& last = undoStack.top();
    board[last.toColumn][last.toRow] = 0;
    board[last.fromColumn][last.fromRow] = last.movedPiece;
    if (last.capturedPiece != 0) {
        board[(last.fromColumn + last.toColumn) / 2][(last.fromRow + last.toRow) / 2]
            = last.capturedPiece;
        if (isP1(last.capturedPiece))
            ++p1PieceCount;
        else if (isP2(last.capturedPiece))
            ++p2PieceCount;
    }
    p1ToMove = last.p1ToMove;
    fromColumn = last.fromColumn;
    fromRow = last.fromRow;
    undoStack.pop();
}

bool checkers::gameover() { return p1PieceCount == 0 || p2PieceCount == 0; }
