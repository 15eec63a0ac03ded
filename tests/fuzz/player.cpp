// SPDX-License-Identifier: MIT
#include "fuzz/player.h"

#include "fuzz/intents.h"
#include "support/checkers_setup.h"
#include "support/chess_setup.h"
#include "support/invariants.h"

#include "checkers/checkers.h"
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"

#include "platform/gl.h"
#include <sstream>

namespace fuzz {

namespace {

    using testing_support::brokenInvariant;

    std::string checkInvariants()
    {
        if (auto* g = dynamic_cast<const chess*>(my_game))
            return brokenInvariant(*g);
        if (auto* g = dynamic_cast<const checkers*>(my_game))
            return brokenInvariant(*g);
        return "the current game is of no known kind";
    }

    template <typename Game> void undoAll(Game& g)
    {
        for (std::size_t n = g.undoStack.size() + 1; n > 0; --n)
            g.undo();
    }

    // Undoes every move of the current game and compares with a fresh game of the same kind.
    std::string checkUndoToStart(bool p1First)
    {
        using testing_support::checkers_state;
        using testing_support::chess_state;
        if (auto* chessGame = dynamic_cast<chess*>(my_game)) {
            undoAll(*chessGame);
            if (!(chess_state(*chessGame) == chess_state(chess(p1First))))
                return "undo to the start left another chess game";
        } else if (auto* checkersGame = dynamic_cast<checkers*>(my_game)) {
            undoAll(*checkersGame);
            checkers_state after(*checkersGame);
            after.fromColumn = after.fromRow = -1; // where the first move came from
            if (!(after == checkers_state(checkers(p1First))))
                return "undo to the start left another checkers game";
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
            keyCommand(static_cast<unsigned char>(e.a), 0);
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
    myReshape(550, 550);
    bool p1First = true;

    for (std::size_t i = 0; i < events.size(); ++i) {
        const event& e = events[i];
        const bool newGame = e.what == kind::menu && e.a >= 0 && e.a < firstBoardScheme;
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
