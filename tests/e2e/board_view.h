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
