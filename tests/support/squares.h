// SPDX-License-Identifier: MIT
#pragma once
// Squares by name and by window pixel, and a piece lifted and dropped through a game's own fields
// and operations as the mouse would, with no window involved. For either game.

#include <string>
#include <utility>

namespace testing_support {

// "e4" is column 4, row 3.
inline std::pair<int, int> square(const std::string& name)
{
    return { name[0] - 'a', name[1] - '1' };
}

inline std::string squareName(int column, int row)
{
    return { static_cast<char>('a' + column), static_cast<char>('1' + row) };
}

// Window pixels of board points in the 550 by 550 window the program opens with, y counted from
// the top as mouse events count it. (GL tests convert under the live view: support/gl_env.h.)
constexpr int startWindow = 550;
constexpr float startUnit = startWindow / 8.0f;
inline int boardX(float x) { return static_cast<int>(x * startUnit); }
inline int boardY(float y) { return static_cast<int>(startWindow - y * startUnit); }

// Lifts the piece as mousedown does after a successful pick, grabbed at its square's middle.
template <typename Game> void liftAt(Game& g, int column, int row)
{
    g.fromColumn = column;
    g.fromRow = row;
    g.liftedPiece = g.board[column][row];
    g.dragX = static_cast<float>(column);
    g.dragY = static_cast<float>(row);
    g.grabOffsetX = g.grabOffsetY = 0.5f;
    g.board[column][row] = 0;
    g.dragging = 1;
}

// Drags the lifted piece's centre onto the square and releases it; true if a move was recorded.
template <typename Game> bool dropAt(Game& g, int column, int row)
{
    auto before = g.undoStack.size();
    g.mousemove(column + 0.5f, row + 0.5f);
    g.mouseup(0, 0);
    return g.undoStack.size() == before + 1;
}

} // namespace testing_support
