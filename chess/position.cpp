// SPDX-License-Identifier: MIT
#include "chess/chess.h"

#include <algorithm>
#include <iostream>
#include <iterator>

namespace {

constexpr int homeRow[8] = { 3, 4, 5, 2, 1, 5, 4, 3 };
constexpr int topOffset = 10;

const float pieceColours[][3] = {
    { 0.2f, 0.2f, 0.2f }, // Black
    { 0.8f, 0.8f, 0.8f }, // White
    { 0.5f, 0.5f, 0.5f }, // Grey
    { 0.8f, 0, 0 }, // Red
    { 0, 0.8f, 0 }, // Green
    { 0, 0, 0.8f }, // Blue
    { 0.72f, 0.52f, 0 }, // Brown
};

} // namespace

chess_undo::chess_undo(int fromColumn, int fromRow, int toColumn, int toRow, int capturedPiece,
    int movedPiece, int castlingRights)
    : fromColumn(fromColumn)
    , fromRow(fromRow)
    , toColumn(toColumn)
    , toRow(toRow)
    , capturedPiece(capturedPiece)
    , movedPiece(movedPiece)
    , castlingRights(castlingRights)
{
}

chess::chess(bool p1First)
    : p1ToMove(p1First)
{
    for (int c = 0; c < 8; ++c) {
        std::fill(board[c], board[c] + 8, 0);
        board[c][0] = homeRow[c];
        board[c][1] = 6;
        board[c][6] = 6 + topOffset;
        board[c][7] = homeRow[c] + topOffset;
    }
    changeBoard(0);
    changeColor(true, 1);
    changeColor(false, 0);
}

chess::~chess() = default;

int chess::getType(int code) { return code % 10; }

int chess::getType(int column, int row) const { return getType(board[column][row]); }

bool chess::isP1(int code) { return code != 0 && code <= 9; }

bool chess::isP2(int code) { return code > 10; }

bool chess::isP1(int column, int row) const { return isP1(board[column][row]); }

bool chess::isP2(int column, int row) const { return isP2(board[column][row]); }

void chess::changeBoard(int scheme) { board_scheme(scheme, darkSquareColor, lightSquareColor); }

void chess::changeColor(bool bottomPlayer, int colour)
{
    if (colour < 0 || colour >= static_cast<int>(std::size(pieceColours)))
        return;
    std::copy_n(pieceColours[colour], 3, bottomPlayer ? p1Color : p2Color);
}

void chess::printInformation()
{
    for (int r = 7; r >= 0; --r) {
        for (int c = 0; c < 8; ++c)
            std::cout << '\t' << board[c][r];
        std::cout << std::endl;
    }
    std::cout << std::endl;
    std::cout << std::endl;
}
