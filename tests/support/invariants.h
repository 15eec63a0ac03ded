// SPDX-License-Identifier: MIT
#pragma once
// What play from the start can never break, checked by the tests that reach positions by play
// (random events, move counting). The games themselves accept any state their fields can hold.

#include "checkers/checkers.h"
#include "chess/chess.h"

#include <string>

namespace testing_support {

inline bool validChessCode(int code)
{
    return code == 0 || (code >= 1 && code <= 6) || (code >= 11 && code <= 16);
}

// What is broken, or an empty string.
inline std::string brokenInvariant(const chess& g)
{
    int kings[2] = { 0, 0 };
    int backRowPawns = 0;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            int code = g.board[c][r];
            if (!validChessCode(code))
                return "invalid chess code " + std::to_string(code);
            if (code % 10 == 1)
                ++kings[code > 10];
            if (code % 10 == 6 && (r == 0 || r == 7))
                ++backRowPawns;
        }
    }
    if (g.dragging == 1 && g.liftedPiece % 10 == 1)
        ++kings[g.liftedPiece > 10];
    if (kings[0] != 1 || kings[1] != 1)
        return "kings: " + std::to_string(kings[0]) + " bottom, " + std::to_string(kings[1])
            + " top";
    if (backRowPawns > (g.promotionPending ? 1 : 0))
        return "a pawn on a back row without a pending promotion";
    if (g.dragging != 0 && g.dragging != 1)
        return "dragging is " + std::to_string(g.dragging);
    if (g.dragging == 1 && g.promotionPending)
        return "a piece lifted while a promotion waits";
    return "";
}

inline std::string brokenInvariant(const checkers& g)
{
    int pieces[2] = { 0, 0 };
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            int code = g.board[c][r];
            if (code < 0 || code > 4)
                return "invalid checkers code " + std::to_string(code);
            if (code != 0 && (c + r) % 2 == 0)
                return "a piece on a dark square";
            if (code != 0)
                ++pieces[code % 2 == 0];
        }
    }
    if (g.dragging == 1)
        ++pieces[g.liftedPiece % 2 == 0];
    if (pieces[0] != g.p1PieceCount || pieces[1] != g.p2PieceCount)
        return "counts " + std::to_string(g.p1PieceCount) + "/" + std::to_string(g.p2PieceCount)
            + " but pieces " + std::to_string(pieces[0]) + "/" + std::to_string(pieces[1]);
    if (g.dragging != 0 && g.dragging != 1)
        return "dragging is " + std::to_string(g.dragging);
    return "";
}

} // namespace testing_support
