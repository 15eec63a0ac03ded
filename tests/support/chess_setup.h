// SPDX-License-Identifier: MIT
#pragma once
// Building chess positions from diagrams, lifting pieces as mousedown does, and move counting
// through the class's own operations.

#include "chess/chess.h"
#include "support/invariants.h"
#include "support/squares.h"

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// The promotion choices in the order of the strip: queen, knight, bishop, rook.
constexpr int promotionStrip[4] = { 2, 4, 5, 3 };

// Eight rows, top row (7) first; upper case for the bottom player, lower case for the top player:
// K Q R N B P, '.' for an empty square.
using diagram = std::vector<std::string>;

inline int codeOf(char letter)
{
    const char* types = "kqrnbp";
    const char* found = std::strchr(types, std::tolower(static_cast<unsigned char>(letter)));
    if (letter == '.' || found == nullptr)
        return 0;
    int type = static_cast<int>(found - types) + 1;
    return std::isupper(static_cast<unsigned char>(letter)) ? type : type + 10;
}

inline void setBoard(chess& g, const diagram& rows)
{
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c)
            g.board[c][r] = codeOf(rows[7 - r][c]);
    }
}

// A game on the given diagram with no castling rights unless asked for.
inline chess makeChess(const diagram& rows, bool p1ToMove, bool castling = false)
{
    chess g(p1ToMove);
    setBoard(g, rows);
    g.p1CanCastleKingside = g.p1CanCastleQueenside = castling;
    g.p2CanCastleKingside = g.p2CanCastleQueenside = castling;
    return g;
}

// The same position upside down with the players' pieces swapped.
inline diagram mirror(const diagram& rows)
{
    diagram flipped(rows.rbegin(), rows.rend());
    for (std::string& row : flipped) {
        for (char& ch : row) {
            unsigned char u = static_cast<unsigned char>(ch);
            ch = std::isupper(u) ? static_cast<char>(std::tolower(u))
                                 : static_cast<char>(std::toupper(u));
        }
    }
    return flipped;
}

inline std::string mirrorName(const std::string& name)
{
    return { name[0], static_cast<char>('1' + ('8' - name[1])) };
}

inline bool ownPiece(const chess& g, int column, int row)
{
    return g.p1ToMove ? chess::isP1(g.board[column][row]) : chess::isP2(g.board[column][row]);
}

// Every square the piece on (column, row) may legally be dropped on, judged by isLegal.
inline std::set<std::string> legalTargets(chess& g, int column, int row)
{
    std::set<std::string> targets;
    liftAt(g, column, row);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            if (g.isLegal(c, r))
                targets.insert(squareName(c, r));
        }
    }
    g.cancelMove();
    return targets;
}

inline std::set<std::string> legalTargets(chess& g, const std::string& from)
{
    auto [c, r] = square(from);
    return legalTargets(g, c, r);
}

// Plays from -> to through lift, drag and release; true if the move was accepted.
inline bool play(chess& g, const std::string& from, const std::string& to)
{
    auto [fc, fr] = square(from);
    auto [tc, tr] = square(to);
    liftAt(g, fc, fr);
    return dropAt(g, tc, tr);
}

// Everything a move and its undo must leave exactly as it was.
struct chess_state {
    int board[8][8];
    bool flags[4];
    bool p1ToMove;
    bool promotionPending;
    int dragging;
    std::size_t history;

    explicit chess_state(const chess& g)
        : flags { g.p1CanCastleKingside, g.p1CanCastleQueenside, g.p2CanCastleKingside,
            g.p2CanCastleQueenside }
        , p1ToMove(g.p1ToMove)
        , promotionPending(g.promotionPending)
        , dragging(g.dragging)
        , history(g.undoStack.size())
    {
        std::memcpy(board, g.board, sizeof board);
    }

    bool operator==(const chess_state& o) const
    {
        return std::memcmp(board, o.board, sizeof board) == 0
            && std::memcmp(flags, o.flags, sizeof flags) == 0 && p1ToMove == o.p1ToMove
            && promotionPending == o.promotionPending && dragging == o.dragging
            && history == o.history;
    }
};

struct perft_result {
    long leaves = 0;
    bool undoExact = true;
    bool checkInvariants = true; // off where only the speed is measured
    std::string broken; // the first invariant broken after a move
};

// Counts leaf positions depth plies ahead: every lift of the mover's pieces, every drop square,
// each promotion choice; every move is taken back with undo and checked against the copy.
inline void perft(chess& g, int depth, perft_result& out)
{
    if (depth == 0) {
        ++out.leaves;
        return;
    }
    const chess_state before(g);
    for (int fc = 0; fc < 8; ++fc) {
        for (int fr = 0; fr < 8; ++fr) {
            if (!ownPiece(g, fc, fr))
                continue;
            for (int tc = 0; tc < 8; ++tc) {
                for (int tr = 0; tr < 8; ++tr) {
                    liftAt(g, fc, fr);
                    if (!g.isLegal(tc, tr)) {
                        g.cancelMove();
                        continue;
                    }
                    g.dragging = 0;
                    g.move(tc, tr);
                    if (out.checkInvariants && out.broken.empty())
                        out.broken = brokenInvariant(g);
                    if (g.promotionPending) {
                        const int offset = g.p1ToMove ? 10 : 0;
                        // Deeper lifts move fromColumn/fromRow: keep the promotion square.
                        const int pc = g.fromColumn, pr = g.fromRow;
                        for (int type : promotionStrip) {
                            g.board[pc][pr] = type + offset;
                            g.promotionPending = false;
                            perft(g, depth - 1, out);
                            g.promotionPending = true;
                        }
                    } else {
                        perft(g, depth - 1, out);
                    }
                    g.undo();
                    if (!(chess_state(g) == before))
                        out.undoExact = false;
                }
            }
        }
    }
}

inline perft_result perft(chess& g, int depth, bool checkInvariants = true)
{
    perft_result result;
    result.checkInvariants = checkInvariants;
    perft(g, depth, result);
    return result;
}

} // namespace testing_support
