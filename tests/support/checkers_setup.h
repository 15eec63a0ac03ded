// SPDX-License-Identifier: MIT
#pragma once
// Building checkers positions from diagrams, lifting as mousedown does, and move counting.

#include "checkers/checkers.h"
#include "support/invariants.h"
#include "support/squares.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// Eight rows, top row (7) first: 'b' bottom man, 'B' bottom king, 't' top man, 'T' top king.
using checkers_diagram = std::vector<std::string>;

inline int checkersCode(char letter)
{
    switch (letter) {
    case 'b':
        return 1;
    case 't':
        return 2;
    case 'B':
        return 3;
    case 'T':
        return 4;
    default:
        return 0;
    }
}

// Sets the board and the counts to match it.
inline void setBoard(checkers& g, const checkers_diagram& rows)
{
    g.p1PieceCount = g.p2PieceCount = 0;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            int code = checkersCode(rows[7 - r][c]);
            g.board[c][r] = code;
            if (code != 0)
                ++(checkers::isP1(code) ? g.p1PieceCount : g.p2PieceCount);
        }
    }
}

inline checkers makeCheckers(const checkers_diagram& rows, bool p1ToMove)
{
    checkers g(p1ToMove);
    setBoard(g, rows);
    return g;
}

// A half turn of the board with the players swapped: playing squares stay playing squares.
inline checkers_diagram rotate(const checkers_diagram& rows)
{
    checkers_diagram out(rows.rbegin(), rows.rend());
    for (std::string& row : out) {
        row = std::string(row.rbegin(), row.rend());
        for (char& ch : row) {
            const char* from = "btBT";
            const char* to = "tbTB";
            if (const char* p = std::strchr(from, ch); p != nullptr && ch != '\0')
                ch = to[p - from];
        }
    }
    return out;
}

inline std::string rotateName(const std::string& name)
{
    return { static_cast<char>('h' - (name[0] - 'a')), static_cast<char>('8' - (name[1] - '1')) };
}

// Every drop square the piece on (column, row) is accepted on, tried on copies of the game.
inline std::set<std::string> acceptedDrops(const checkers& g, int column, int row)
{
    std::set<std::string> out;
    for (int c = -1; c <= 8; ++c) {
        for (int r = -1; r <= 8; ++r) {
            checkers trial = g;
            liftAt(trial, column, row);
            if (dropAt(trial, c, r))
                out.insert(squareName(c, r));
        }
    }
    return out;
}

inline std::set<std::string> acceptedDrops(const checkers& g, const std::string& from)
{
    auto [c, r] = square(from);
    return acceptedDrops(g, c, r);
}

// Everything a move and its undo must leave as it was.
struct checkers_state {
    int board[8][8];
    bool p1ToMove;
    int p1PieceCount, p2PieceCount, fromColumn, fromRow, dragging;
    std::size_t history;

    explicit checkers_state(const checkers& g)
        : p1ToMove(g.p1ToMove)
        , p1PieceCount(g.p1PieceCount)
        , p2PieceCount(g.p2PieceCount)
        , fromColumn(g.fromColumn)
        , fromRow(g.fromRow)
        , dragging(g.dragging)
        , history(g.undoStack.size())
    {
        std::memcpy(board, g.board, sizeof board);
    }

    bool operator==(const checkers_state& o) const
    {
        return std::memcmp(board, o.board, sizeof board) == 0 && p1ToMove == o.p1ToMove
            && p1PieceCount == o.p1PieceCount && p2PieceCount == o.p2PieceCount
            && fromColumn == o.fromColumn && fromRow == o.fromRow && dragging == o.dragging
            && history == o.history;
    }
};

// Leaves depth plies ahead, each ply any step or jump by a piece of the player to move. sound turns
// false when a move breaks an invariant or its undo differs from the copy made before it.
inline long checkersPerft(checkers& g, int depth, bool& sound)
{
    if (depth == 0)
        return 1;
    long leaves = 0;
    for (int fc = 0; fc < 8; ++fc) {
        for (int fr = 0; fr < 8; ++fr) {
            int code = g.board[fc][fr];
            if (code == 0 || checkers::isP1(code) != g.p1ToMove)
                continue;
            for (int tc = 0; tc < 8; ++tc) {
                for (int tr = 0; tr < 8; ++tr) {
                    const checkers_state before(g);
                    liftAt(g, fc, fr);
                    if (!dropAt(g, tc, tr))
                        continue;
                    sound = sound && brokenInvariant(g).empty();
                    leaves += checkersPerft(g, depth - 1, sound);
                    g.undo();
                    // The origin is where the piece came from, as before the lift.
                    checkers_state after(g);
                    after.fromColumn = before.fromColumn;
                    after.fromRow = before.fromRow;
                    sound = sound && after == before;
                }
            }
        }
    }
    return leaves;
}

} // namespace testing_support
