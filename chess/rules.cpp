// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int king = 1, queen = 2, rook = 3, knight = 4, bishop = 5, pawn = 6;
constexpr int queensideColumn = 2, kingsideColumn = 6;

bool onBoard(int column, int row) { return column >= 0 && column < 8 && row >= 0 && row < 8; }

int sign(int v) { return (v > 0) - (v < 0); }

// The code on a square, or -1 off the board, so that no attacker is ever found there.
int at(const int (*position)[8], int column, int row)
{
    return onBoard(column, row) ? position[column][row] : -1;
}

// True when every square strictly between origin and target on their line is empty.
bool pathClear(const int (*position)[8], int fromColumn, int fromRow, int column, int row)
{
    int dc = sign(column - fromColumn);
    int dr = sign(row - fromRow);
    for (int c = fromColumn + dc, r = fromRow + dr; c != column || r != row; c += dc, r += dr) {
        if (position[c][r] != 0)
            return false;
    }
    return true;
}

// The first piece met walking from the king's square in one direction, or -1 at the edge.
int firstOnRay(const int (*position)[8], int column, int row, int dc, int dr)
{
    for (int c = column + dc, r = row + dr; onBoard(c, r); c += dc, r += dr) {
        if (position[c][r] != 0)
            return position[c][r];
    }
    return -1;
}

bool anyOn(
    const int (*position)[8], int column, int row, const int (*offsets)[2], int count, int code)
{
    for (int i = 0; i < count; ++i) {
        if (at(position, column + offsets[i][0], row + offsets[i][1]) == code)
            return true;
    }
    return false;
}

bool anyRay(const int (*position)[8], int column, int row, const int (*directions)[2], int slider,
    int queenCode)
{
    for (int i = 0; i < 4; ++i) {
        int code = firstOnRay(position, column, row, directions[i][0], directions[i][1]);
        if (code == slider || code == queenCode)
            return true;
    }
    return false;
}

const int kingSteps[8][2]
    = { { 0, -1 }, { 0, 1 }, { -1, 0 }, { -1, -1 }, { -1, 1 }, { 1, 0 }, { 1, -1 }, { 1, 1 } };
const int knightJumps[8][2]
    = { { -2, -1 }, { -2, 1 }, { 2, -1 }, { 2, 1 }, { -1, -2 }, { -1, 2 }, { 1, -2 }, { 1, 2 } };
const int straightRays[4][2] = { { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } };
const int diagonalRays[4][2] = { { -1, -1 }, { -1, 1 }, { 1, -1 }, { 1, 1 } };

} // namespace

bool chess::isLegal(int column, int row) const
{
    if (column == fromColumn && row == fromRow)
        return false;
    int target = board[column][row];
    if (p1ToMove ? isP1(target) : isP2(target))
        return false;
    if (!movementAllows(column, row))
        return false;
    return !wouldPutInCheck(column, row);
}

bool chess::isCastling(int code, int fromColumn, int fromRow, int toColumn, int toRow)
{
    int homeRow = isP1(code) ? 0 : 7;
    return getType(code) == king && fromColumn == 4 && fromRow == homeRow && toRow == homeRow
        && (toColumn == queensideColumn || toColumn == kingsideColumn);
}

bool chess::movementAllows(int column, int row) const
{
    int dc = column - fromColumn;
    int dr = row - fromRow;
    bool straight = dc == 0 || dr == 0;
    bool diagonal = std::abs(dc) == std::abs(dr);
    switch (getType(liftedPiece)) {
    case king:
        if (std::abs(dc) <= 1 && std::abs(dr) <= 1)
            return true;
        return isCastling(liftedPiece, fromColumn, fromRow, column, row) && castlingAllows(column);
    case queen:
        return (straight || diagonal) && pathClear(board, fromColumn, fromRow, column, row);
    case rook:
        return straight && pathClear(board, fromColumn, fromRow, column, row);
    case knight:
        return std::abs(dc) + std::abs(dr) == 3 && dc != 0 && dr != 0;
    case bishop:
        return diagonal && pathClear(board, fromColumn, fromRow, column, row);
    case pawn:
        return pawnAllows(column, row);
    default:
        return false;
    }
}

bool chess::pawnAllows(int column, int row) const
{
    int direction = p1ToMove ? 1 : -1;
    int doubleStepRow = p1ToMove ? 1 : 6;
    int enPassantRow = p1ToMove ? 4 : 3;
    int opponentPawn = p1ToMove ? 16 : 6;
    int target = board[column][row];
    int dc = column - fromColumn;

    if (dc == 0) {
        if (target != 0)
            return false;
        if (row == fromRow + direction)
            return true;
        return fromRow == doubleStepRow && row == fromRow + 2 * direction
            && board[column][fromRow + direction] == 0;
    }
    if (std::abs(dc) != 1 || row != fromRow + direction)
        return false;
    if (target != 0)
        return p1ToMove ? isP2(target) : isP1(target);
    // En passant needs no record of the last move: any opponent pawn beside this one will do.
    return fromRow == enPassantRow && board[column][fromRow] == opponentPawn;
}

bool chess::castlingAllows(int column) const
{
    bool kingside = p1ToMove ? p1CanCastleKingside : p2CanCastleKingside;
    bool queenside = p1ToMove ? p1CanCastleQueenside : p2CanCastleQueenside;
    if (!(column == queensideColumn && queenside) && !(column == kingsideColumn && kingside))
        return false;
    int step = column < fromColumn ? -1 : 1;
    for (int c = fromColumn + step; c >= 1 && c <= 6; c += step) {
        if (board[c][fromRow] != 0)
            return false;
    }
    // The rights outlive a rook captured on its corner; castling must not conjure a new one.
    int corner = step < 0 ? 0 : 7;
    if (board[corner][fromRow] != (p1ToMove ? rook : rook + 10))
        return false;
    return !wouldPutInCheck(fromColumn, fromRow) && !wouldPutInCheck(fromColumn + step, fromRow);
}

bool chess::wouldPutInCheck(int column, int row) const
{
    int trial[8][8];
    std::memcpy(trial, board, sizeof trial);
    int type = getType(liftedPiece);
    int moverRook = p1ToMove ? rook : rook + 10;
    if (isCastling(liftedPiece, fromColumn, fromRow, column, row)) {
        bool kingside = column == kingsideColumn;
        trial[4][fromRow] = 0;
        trial[kingside ? 7 : 0][fromRow] = 0;
        trial[column][fromRow] = liftedPiece;
        trial[kingside ? 5 : 3][fromRow] = moverRook;
    } else if (type == pawn && column != fromColumn && board[column][row] == 0) {
        trial[fromColumn][fromRow] = 0;
        trial[column][row] = liftedPiece;
        trial[column][fromRow] = 0;
    } else {
        trial[fromColumn][fromRow] = 0;
        trial[column][row] = liftedPiece;
    }
    return isInCheck(p1ToMove, trial);
}

bool chess::isInCheck(bool bottomKing, const int (*position)[8])
{
    int kingCode = bottomKing ? king : king + 10;
    int enemy = bottomKing ? 10 : 0;
    int kc = -1, kr = -1;
    for (int c = 0; c < 8 && kc < 0; ++c) {
        for (int r = 0; r < 8; ++r) {
            if (position[c][r] == kingCode) {
                kc = c;
                kr = r;
                break;
            }
        }
    }
    if (kc < 0)
        return false;

    // Enemy pawns advance towards this king's home row, so they strike from the row beyond it.
    int d = bottomKing ? 1 : -1;
    const int pawnAttacks[2][2] = { { 1, d }, { -1, d } };
    return anyOn(position, kc, kr, pawnAttacks, 2, pawn + enemy)
        || anyOn(position, kc, kr, kingSteps, 8, king + enemy)
        || anyOn(position, kc, kr, knightJumps, 8, knight + enemy)
        || anyRay(position, kc, kr, straightRays, rook + enemy, queen + enemy)
        || anyRay(position, kc, kr, diagonalRays, bishop + enemy, queen + enemy);
}
