// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "shell/drag.h"
#include <cstdlib>
#include <cstring>

namespace {

using namespace chess_pieces;

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
    int direction = forward(p1ToMove);
    int doubleStepRow = homeRow(p1ToMove) + direction;
    int enPassantRow = homeRow(p1ToMove) + 4 * direction; // the pawn's fifth row
    int opponentPawn = code(pawn, !p1ToMove);
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
    const castling_side& side = *castlingTo(column);
    if (!castlingRight(*this, p1ToMove, side))
        return false;
    int step = column < fromColumn ? -1 : 1;
    for (int c = fromColumn + step; c != side.rookFrom; c += step) {
        if (board[c][fromRow] != 0)
            return false;
    }
    // The rights outlive a rook captured on its corner; castling must not conjure a new one.
    if (board[side.rookFrom][fromRow] != code(rook, p1ToMove))
        return false;
    return !wouldPutInCheck(fromColumn, fromRow) && !wouldPutInCheck(fromColumn + step, fromRow);
}

bool chess::wouldPutInCheck(int column, int row) const
{
    int trial[8][8];
    std::memcpy(trial, board, sizeof trial);
    playOn(trial, column, row);
    return isInCheck(p1ToMove, trial);
}

bool chess::isInCheck(bool bottomKing, int (*position)[8])
{
    int kingCode = code(king, bottomKing);
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
    int d = forward(bottomKing);
    const int pawnAttacks[2][2] = { { 1, d }, { -1, d } };
    auto enemy = [bottomKing](int type) { return code(type, !bottomKing); };
    return anyOn(position, kc, kr, pawnAttacks, 2, enemy(pawn))
        || anyOn(position, kc, kr, kingSteps, 8, enemy(king))
        || anyOn(position, kc, kr, knightJumps, 8, enemy(knight))
        || anyRay(position, kc, kr, straightRays, enemy(rook), enemy(queen))
        || anyRay(position, kc, kr, diagonalRays, enemy(bishop), enemy(queen));
}
