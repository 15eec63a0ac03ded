// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"

#include "shell/drag.h"
#include <cstdlib>

namespace {
using namespace checker_pieces;
} // namespace

bool checkers::isLegalTarget(int column, int row) const
{
    return onBoard(column, row) && (column + row) % 2 == 1 && board[column][row] == 0;
}

// Men go forward only: the bottom player's towards row 7, the top player's towards row 0.
bool checkers::directionAllows(int row) const
{
    if (liftedPiece == man(true))
        return row >= fromRow;
    if (liftedPiece == man(false))
        return row <= fromRow;
    return true;
}

bool checkers::reaches(int column, int row, int distance) const
{
    return isLegalTarget(column, row) && std::abs(column - fromColumn) == distance
        && std::abs(row - fromRow) == distance && directionAllows(row);
}

bool checkers::isLegalStep(int column, int row) const
{
    if (!reaches(column, row, 1))
        return false;
    if (isP1(liftedPiece) && !p1ToMove)
        return false;
    return !(isP2(liftedPiece) && p1ToMove);
}

bool checkers::isLegalJump(int column, int row) const
{
    if (!reaches(column, row, 2))
        return false;
    int jumped = board[(fromColumn + column) / 2][(fromRow + row) / 2];
    return isP1(liftedPiece) ? isP2(jumped) : isP1(jumped);
}

void checkers::crown(int row)
{
    for (bool p1 : { true, false }) {
        if (liftedPiece == man(p1) && row == farRow(p1)) {
            liftedPiece = king(p1);
            return;
        }
    }
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

void checkers::undo()
{
    abandonDrag(*this);
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
