// SPDX-License-Identifier: MIT
#pragma once
// Pixel positions of board points in the 550 by 550 start window, and dumps read back as boards.

#include "e2e/program.h"
#include "support/squares.h"

#include <array>
#include <sstream>
#include <string>

namespace e2e {

using testing_support::boardX;
using testing_support::boardY;

// Drags a piece from one square to the same point of another, `height` up from the lower edge:
// 0.1 is a chess piece's foot, 0.5 a checker's centre.
inline void dragPiece(
    program& p, int fromColumn, int fromRow, int toColumn, int toRow, float height)
{
    p.drag(boardX(fromColumn + 0.5f), boardY(fromRow + height), boardX(toColumn + 0.5f),
        boardY(toRow + height));
}

// Moves from the start, column and row from and to, after which the bottom player's a pawn has
// taken the knight on b8 and waits in the promotion strip for the piece it becomes.
inline constexpr int promotionLine[][4] = {
    { 0, 1, 0, 3 }, // a pawn runs up the a and b columns...
    { 1, 6, 1, 4 }, { 0, 3, 1, 4 }, { 7, 6, 7, 5 }, { 1, 4, 1, 5 }, { 7, 5, 7, 4 }, { 1, 5, 0, 6 },
    { 7, 4, 7, 3 }, { 0, 6, 1, 7 }, // ...and takes the knight on the far row
};

// board[column][row] from a dump of eight lines, top row first.
using board_codes = std::array<std::array<int, 8>, 8>;

inline board_codes parseDump(const std::string& dump)
{
    board_codes board {};
    std::istringstream in(dump);
    for (int row = 7; row >= 0; --row) {
        for (int column = 0; column < 8; ++column)
            in >> board[column][row];
    }
    return board;
}

} // namespace e2e
