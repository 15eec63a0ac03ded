#include "fuzz/player.h"

#include "fuzz/intents.h"

#include "checkers/checkers.h"
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"

#include <GL/glut.h>
#include <cstring>
#include <sstream>

namespace fuzz {

namespace {

    bool validChessCode(int code)
    {
        return code == 0 || (code >= 1 && code <= 6) || (code >= 11 && code <= 16);
    }

    std::string checkChess(const chess& g)
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

    std::string checkCheckers(const checkers& g)
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

    std::string checkInvariants()
    {
        if (auto* g = dynamic_cast<const chess*>(my_game))
            return checkChess(*g);
        if (auto* g = dynamic_cast<const checkers*>(my_game))
            return checkCheckers(*g);
        return "the current game is of no known kind";
    }

    // Undoes every move of the current game and compares with a fresh game of the same kind.
    std::string checkUndoToStart(bool p1First)
    {
        if (auto* g = dynamic_cast<chess*>(my_game)) {
            for (std::size_t n = g->undoStack.size() + 1; n > 0; --n)
                g->undo();
            const chess fresh(p1First);
            if (std::memcmp(g->board, fresh.board, sizeof fresh.board) != 0)
                return "undo to the start left another chess position";
            if (g->p1ToMove != p1First || g->promotionPending || g->dragging
                || !(g->p1CanCastleKingside && g->p1CanCastleQueenside && g->p2CanCastleKingside
                    && g->p2CanCastleQueenside))
                return "undo to the start left other chess flags";
        } else if (auto* g = dynamic_cast<checkers*>(my_game)) {
            for (std::size_t n = g->undoStack.size() + 1; n > 0; --n)
                g->undo();
            const checkers fresh(p1First);
            if (std::memcmp(g->board, fresh.board, sizeof fresh.board) != 0)
                return "undo to the start left another checkers position";
            if (g->p1ToMove != p1First || g->p1PieceCount != 12 || g->p2PieceCount != 12
                || g->dragging)
                return "undo to the start left other checkers counts or turn";
        }
        return "";
    }

    void deliver(const event& e)
    {
        // While finished the toolkit has no mouse callbacks to call.
        const bool mouseLive = shellState != shell_state::finished;
        switch (e.what) {
        case kind::press:
            if (mouseLive)
                mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, e.a, e.b);
            break;
        case kind::motion:
            if (mouseLive)
                mousemove(e.a, e.b);
            break;
        case kind::release:
            if (mouseLive)
                mouse(GLUT_LEFT_BUTTON, GLUT_UP, e.a, e.b);
            break;
        case kind::middle:
            if (mouseLive)
                mouse(GLUT_MIDDLE_BUTTON, e.a ? GLUT_DOWN : GLUT_UP, 0, 0);
            break;
        case kind::key:
            keyboard(static_cast<unsigned char>(e.a), 0, 0);
            break;
        case kind::special:
            special_keyboard(e.a, 0, 0);
            break;
        case kind::menu:
            menu(e.a);
            break;
        case kind::reshape:
            myReshape(e.a, e.b);
            break;
        case kind::display:
            if (shellState == shell_state::playing)
                display();
            else
                victory();
            break;
        case kind::play:
            if (mouseLive)
                playIntent(e.a, e.b);
            break;
        }
    }

} // namespace

outcome play(const std::vector<event>& events)
{
    newgame(false, true);
    registerCallbacks();
    getModifiers = [] { return 0; };
    myReshape(550, 550);
    bool p1First = true;

    for (std::size_t i = 0; i < events.size(); ++i) {
        const event& e = events[i];
        const bool newGame = e.what == kind::menu && e.a >= 0 && e.a <= 3;
        if (newGame) {
            if (std::string broken = checkUndoToStart(p1First); !broken.empty())
                return { false, i, broken };
            p1First = e.a % 2 == 1;
        }
        deliver(e);
        if (std::string broken = checkInvariants(); !broken.empty())
            return { false, i, broken };
    }
    if (std::string broken = checkUndoToStart(p1First); !broken.empty())
        return { false, events.size(), broken };
    return {};
}

} // namespace fuzz
