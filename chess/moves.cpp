// SPDX-License-Identifier: MIT
#include "chess/chess.h"

namespace {

constexpr int king = 1, rook = 3, pawn = 6;
constexpr int kingsideRight = 1, queensideRight = 2;

bool onBoard(int column, int row) { return column >= 0 && column < 8 && row >= 0 && row < 8; }

bool isPromotionChoice(int type) { return type >= 2 && type <= 5; }

} // namespace

void chess::mousedown(int x, int y)
{
    // A press while a piece is still lifted means its release was lost: put it back first.
    if (dragging)
        cancelMove();
    if (promotionPending) {
        choosePromotion(x, y);
        return;
    }
    int name = pick(x, y);
    int column = name / 10;
    int row = name % 10;
    if (!onBoard(column, row))
        return;
    if (p1ToMove ? isP1(column, row) : isP2(column, row))
        lift(x, y, column, row);
}

void chess::lift(int x, int y, int column, int row)
{
    fromColumn = column;
    fromRow = row;
    dragX = static_cast<float>(column);
    dragY = static_cast<float>(row);
    grabOffsetX = toBoardX(x) - dragX;
    grabOffsetY = toBoardY(y) - dragY;
    liftedPiece = board[column][row];
    board[column][row] = 0;
    dragging = 1;
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

void chess::mousemove(float x, float y)
{
    if (!dragging)
        return;
    dragX = x - grabOffsetX;
    dragY = y - grabOffsetY;
}

void chess::mouseup(float, float)
{
    if (!dragging)
        return;
    // The square under the centre of the dragged piece, not under the pointer.
    int column = ftoi(dragX + 0.5f);
    int row = ftoi(dragY + 0.5f);
    bool legal = onBoard(fromColumn, fromRow) && onBoard(column, row) && isLegal(column, row);
    dragging = 0;
    if (legal)
        move(column, row);
    else
        cancelMove();
}

void chess::cancelMove()
{
    // A drag state set by hand may name no square: then there is nothing to put back.
    if (onBoard(fromColumn, fromRow))
        board[fromColumn][fromRow] = liftedPiece;
    dragging = 0;
}

void chess::saveMove(int column, int row)
{
    bool kingside = p1ToMove ? p1CanCastleKingside : p2CanCastleKingside;
    bool queenside = p1ToMove ? p1CanCastleQueenside : p2CanCastleQueenside;
    int rights = (kingside ? kingsideRight : 0) + (queenside ? queensideRight : 0);
    undoStack.push(
        chess_undo(fromColumn, fromRow, column, row, board[column][row], liftedPiece, rights));
}

void chess::move(int column, int row)
{
    saveMove(column, row);
    int type = getType(liftedPiece);
    bool ownerIsP1 = isP1(liftedPiece);
    if (type == king) {
        bool castling = isCastling(liftedPiece, fromColumn, fromRow, column, row);
        board[fromColumn][fromRow] = 0;
        board[column][row] = liftedPiece;
        if (castling) {
            bool kingside = column == 6;
            board[kingside ? 7 : 0][fromRow] = 0;
            board[kingside ? 5 : 3][fromRow] = p1ToMove ? rook : rook + 10;
        }
        (ownerIsP1 ? p1CanCastleKingside : p2CanCastleKingside) = false;
        (ownerIsP1 ? p1CanCastleQueenside : p2CanCastleQueenside) = false;
    } else if (type == pawn && column != fromColumn && board[column][row] == 0) {
        board[fromColumn][fromRow] = 0;
        board[column][row] = liftedPiece;
        board[column][fromRow] = 0; // the pawn taken en passant
    } else {
        board[column][row] = liftedPiece;
        board[fromColumn][fromRow] = 0;
    }

    if (type == rook) {
        // Only the rook's own departure costs the right; a captured rook clears nothing.
        if (fromColumn == 0)
            (ownerIsP1 ? p1CanCastleQueenside : p2CanCastleQueenside) = false;
        if (fromColumn == 7)
            (ownerIsP1 ? p1CanCastleKingside : p2CanCastleKingside) = false;
    } else if ((liftedPiece == pawn && row == 7) || (liftedPiece == pawn + 10 && row == 0)) {
        promotionPending = true;
    }
    fromColumn = column;
    fromRow = row;
    p1ToMove = !p1ToMove;
}

void chess::undo()
{
    // Undo during a drag first ends the drag, so the lifted piece is neither lost nor doubled.
    if (dragging)
        cancelMove();
    if (undoStack.empty())
        return;
    promotionPending = false;
    const chess_undo& last = undoStack.top();
    bool moverIsP1 = !p1ToMove;
    int movedType = getType(last.movedPiece);
    int columnDistance = last.toColumn - last.fromColumn;

    if (isCastling(last.movedPiece, last.fromColumn, last.fromRow, last.toColumn, last.toRow)) {
        board[last.fromColumn][last.fromRow] = last.movedPiece;
        board[(last.toColumn + last.fromColumn) / 2][last.fromRow] = 0;
        board[last.toColumn][last.toRow] = 0;
        board[last.toColumn > 4 ? 7 : 0][last.toRow] = moverIsP1 ? rook : rook + 10;
    } else if (movedType == pawn && columnDistance != 0 && last.capturedPiece == 0) {
        board[last.fromColumn][last.fromRow] = last.movedPiece;
        board[last.toColumn][last.toRow] = 0;
        board[last.toColumn][last.fromRow] = moverIsP1 ? pawn + 10 : pawn;
    } else {
        board[last.toColumn][last.toRow] = last.capturedPiece;
        board[last.fromColumn][last.fromRow] = last.movedPiece;
    }

    // Rights are only ever given back here: the move can only have taken the mover's away.
    if (last.castlingRights & kingsideRight)
        (moverIsP1 ? p1CanCastleKingside : p2CanCastleKingside) = true;
    if (last.castlingRights & queensideRight)
        (moverIsP1 ? p1CanCastleQueenside : p2CanCastleQueenside) = true;
    p1ToMove = !p1ToMove;
    undoStack.pop();
}

bool chess::gameover() { return false; }
