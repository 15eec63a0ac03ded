// SPDX-License-Identifier: MIT
#include "fuzz/intents.h"

#include "checkers/checkers.h"
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"
#include "support/gl_env.h"

#include "platform/gl.h"
#include <vector>

namespace fuzz {

namespace {

    struct square {
        int column, row;
    };

    void toPixel(float bx, float by, int& x, int& y)
    {
        x = testing_support::pixelX(bx);
        y = testing_support::pixelY(by);
    }

    void dragBetween(float fromX, float fromY, float toX, float toY)
    {
        int x, y;
        toPixel(fromX, fromY, x, y);
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        toPixel(toX, toY, x, y);
        mousemove(x, y);
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
    }

    template <typename G, typename Accepts>
    square pickTarget(const G& g, square from, int b, Accepts accepts)
    {
        G trial = g;
        trial.fromColumn = from.column;
        trial.fromRow = from.row;
        trial.liftedPiece = trial.board[from.column][from.row];
        trial.board[from.column][from.row] = 0;
        std::vector<square> targets;
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                if (accepts(trial, c, r))
                    targets.push_back({ c, r });
            }
        }
        return targets.empty() ? from : targets[static_cast<std::size_t>(b) % targets.size()];
    }

    void playChess(const chess& g, int a, int b)
    {
        if (g.promotionPending) {
            int x, y;
            toPixel(2.5f + a % 4, 4.1f, x, y);
            mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
            mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
            return;
        }
        std::vector<square> pieces;
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                if (g.p1ToMove ? chess::isP1(g.board[c][r]) : chess::isP2(g.board[c][r]))
                    pieces.push_back({ c, r });
            }
        }
        if (pieces.empty())
            return;
        const square from = pieces[static_cast<std::size_t>(a) % pieces.size()];
        const square to
            = pickTarget(g, from, b, [](const chess& t, int c, int r) { return t.isLegal(c, r); });
        dragBetween(from.column + 0.5f, from.row + 0.1f, to.column + 0.5f, to.row + 0.1f);
    }

    void playCheckers(const checkers& g, int a, int b)
    {
        std::vector<square> pieces;
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                const int code = g.board[c][r];
                const bool own = g.p1ToMove ? checkers::isP1(code) : checkers::isP2(code);
                const bool goingOn = g.lastMoveWasJump && c == g.fromColumn && r == g.fromRow;
                if (own || (goingOn && code != 0))
                    pieces.push_back({ c, r });
            }
        }
        if (pieces.empty())
            return;
        const square from = pieces[static_cast<std::size_t>(a) % pieces.size()];
        const square to = pickTarget(g, from, b, [](const checkers& t, int c, int r) {
            return t.isLegalStep(c, r) || t.isLegalJump(c, r);
        });
        dragBetween(from.column + 0.5f, from.row + 0.5f, to.column + 0.5f, to.row + 0.5f);
    }

} // namespace

void playIntent(int a, int b)
{
    if (boardsize == 0)
        return;
    if (auto* chessGame = dynamic_cast<const chess*>(my_game))
        playChess(*chessGame, a, b);
    else if (auto* checkersGame = dynamic_cast<const checkers*>(my_game))
        playCheckers(*checkersGame, a, b);
}

} // namespace fuzz
