#include "chess/chess.h"

#include <cassert>
#include <cstdlib>

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
    bool legal = onBoard(column, row) && isLegal(column, row);
    dragging = 0;
    if (legal)
        move(column, row);
    else
        cancelMove();
}

void chess::cancelMove()
{
    board[fromColumn][fromRow] = liftedPiece;
    dragging = 0;
    checkInvariants();
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
        bool castling = fromColumn == 4 && (column == 2 || column == 6);
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
    checkInvariants();
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

    if (movedType == king && std::abs(columnDistance) == 2) {
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
    checkInvariants();
}

bool chess::gameover() const { return false; }

void chess::checkInvariants() const
{
#ifndef NDEBUG
    int kings[2] = { 0, 0 };
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            int code = board[c][r];
            assert("only valid codes on the board"
                && (code == 0 || (code >= 1 && code <= 6) || (code >= 11 && code <= 16)));
            if (getType(code) == king)
                ++kings[isP2(code)];
        }
    }
    if (dragging && getType(liftedPiece) == king)
        ++kings[isP2(liftedPiece)];
    assert("one king per side" && kings[0] == 1 && kings[1] == 1);
    for (int c = 0; c < 8; ++c) {
        bool pawnOnBackRow = board[c][0] == pawn + 10 || board[c][7] == pawn || board[c][0] == pawn
            || board[c][7] == pawn + 10;
        assert("a pawn on a back row only while its promotion is pending"
            && (!pawnOnBackRow || promotionPending));
    }
    assert("dragging is a flag" && (dragging == 0 || dragging == 1));
#endif
}
