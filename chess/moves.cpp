// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "shell/drag.h"

namespace {

using namespace chess_pieces;

// The mover's castling rights as an undo record keeps them.
constexpr int kingsideRight = 1, queensideRight = 2;

} // namespace

bool chess::isCastling(int piece, int startColumn, int startRow, int endColumn, int endRow)
{
    int home = homeRow(isP1(piece));
    return getType(piece) == king && startColumn == castlingKingFrom && startRow == home
        && endRow == home && castlingTo(endColumn) != nullptr;
}

bool chess::isEnPassant(int piece, int startColumn, int endColumn, int target)
{
    return getType(piece) == pawn && endColumn != startColumn && target == 0;
}

void chess::playOn(int (*position)[8], int column, int row) const
{
    if (isCastling(liftedPiece, fromColumn, fromRow, column, row)) {
        const castling_side& side = *castlingTo(column);
        position[side.rookFrom][fromRow] = 0;
        position[side.rookTo][fromRow] = code(rook, p1ToMove);
    } else if (isEnPassant(liftedPiece, fromColumn, column, position[column][row])) {
        position[column][fromRow] = 0; // the pawn taken en passant
    }
    position[fromColumn][fromRow] = 0;
    position[column][row] = liftedPiece;
}

void chess::saveMove(int column, int row)
{
    int rights = (castlingRight(*this, p1ToMove, kingside) ? kingsideRight : 0)
        + (castlingRight(*this, p1ToMove, queenside) ? queensideRight : 0);
    undoStack.push(
        chess_undo(fromColumn, fromRow, column, row, board[column][row], liftedPiece, rights));
}

void chess::move(int column, int row)
{
    saveMove(column, row);
    playOn(board, column, row);
    int type = getType(liftedPiece);
    bool ownerIsP1 = isP1(liftedPiece);
    for (const castling_side* side : { &queenside, &kingside }) {
        // Only the rook's own departure costs its right; a captured rook clears nothing.
        if (type == king || (type == rook && fromColumn == side->rookFrom))
            castlingRight(*this, ownerIsP1, *side) = false;
    }
    if (type == pawn && row == farRow(ownerIsP1))
        promotionPending = true;
    fromColumn = column;
    fromRow = row;
    p1ToMove = !p1ToMove;
}

void chess::undo()
{
    abandonDrag(*this);
    if (undoStack.empty())
        return;
    promotionPending = false;
    const chess_undo& last = undoStack.top();
    bool moverIsP1 = !p1ToMove;
    board[last.toColumn][last.toRow] = last.capturedPiece;
    board[last.fromColumn][last.fromRow] = last.movedPiece;
    if (isCastling(last.movedPiece, last.fromColumn, last.fromRow, last.toColumn, last.toRow)) {
        const castling_side& side = *castlingTo(last.toColumn);
        board[side.rookTo][last.fromRow] = 0;
        board[side.rookFrom][last.fromRow] = code(rook, moverIsP1);
    } else if (isEnPassant(last.movedPiece, last.fromColumn, last.toColumn, last.capturedPiece)) {
        board[last.toColumn][last.fromRow] = code(pawn, !moverIsP1); // taken en passant
    }
    // Rights are only ever given back here: the move can only have taken the mover's away.
    if (last.castlingRights & kingsideRight)
        castlingRight(*this, moverIsP1, kingside) = true;
    if (last.castlingRights & queensideRight)
        castlingRight(*this, moverIsP1, queenside) = true;
    p1ToMove = !p1ToMove;
    undoStack.pop();
}

bool chess::gameover() { return false; }
