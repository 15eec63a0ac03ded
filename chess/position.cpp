// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include "shell/palette.h"
#include <algorithm>

namespace {

using namespace chess_pieces;

// The pieces of the home row, column by column: both queens on column 3, both kings on 4.
constexpr int backRank[8] = { rook, knight, bishop, queen, king, bishop, knight, rook };
} // namespace

chess::chess(bool p1First)
    : p1ToMove(p1First)
{
    for (int c = 0; c < 8; ++c) {
        std::fill(board[c], board[c] + 8, 0);
        for (bool p1 : { true, false }) {
            board[c][homeRow(p1)] = code(backRank[c], p1);
            board[c][homeRow(p1) + forward(p1)] = code(pawn, p1);
        }
    }
    changeBoard(0);
    changeColor(true, 1);
    changeColor(false, 0);
}

int chess::getType(int code) { return code % topOffset; }

int chess::getType(int column, int row) const { return getType(board[column][row]); }

bool chess::isP1(int code) { return code != 0 && code < topOffset; }

bool chess::isP2(int code) { return code > topOffset; }

bool chess::isP1(int column, int row) const { return isP1(board[column][row]); }

bool chess::isP2(int column, int row) const { return isP2(board[column][row]); }

void chess::changeBoard(int scheme) { useBoardScheme(*this, scheme); }

void chess::changeColor(bool bottomPlayer, int colour)
{
    if (const piece_colour_entry* entry = pieceColour(colour))
        std::copy_n(entry->chess, 3, bottomPlayer ? p1Color : p2Color);
}

void chess::printInformation() { print_board(board, '\t'); }
