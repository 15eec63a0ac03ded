// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"

#include "shell/palette.h"
#include <algorithm>

namespace {

int startingCode(int column, int row)
{
    using namespace checker_pieces;
    if ((column + row) % 2 == 0)
        return 0;
    if (row <= 2)
        return man(true);
    return row >= 5 ? man(false) : 0;
}

} // namespace

checkers::checkers(bool p1First)
    : p1ToMove(p1First)
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r)
            board[c][r] = startingCode(c, r);
    }
    changeBoard(2);
    changeColor(true, 0);
    changeColor(false, 3);
}

bool checkers::isP1(int code)
{
    return code == checker_pieces::man(true) || code == checker_pieces::king(true);
}

bool checkers::isP2(int code)
{
    return code == checker_pieces::man(false) || code == checker_pieces::king(false);
}

bool checkers::isP1(int column, int row) const { return isP1(board[column][row]); }

bool checkers::isP2(int column, int row) const { return isP2(board[column][row]); }

void checkers::changeBoard(int scheme) { useBoardScheme(*this, scheme); }

void checkers::changeColor(bool bottomPlayer, int colour)
{
    if (const piece_colour_entry* entry = pieceColour(colour)) {
        std::copy_n(entry->checkersMain, 3, bottomPlayer ? p1Color : p2Color);
        std::copy_n(entry->checkersAccent, 3, bottomPlayer ? p1AccentColor : p2AccentColor);
    }
}

void checkers::printInformation() { print_board(board, ' '); }
