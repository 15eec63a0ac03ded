// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"

#include "platform/gl.h"
#include <utility>

// Created before main runs, so a game exists before any window does.
game* my_game = new chess(true);

void newgame(bool checkersGame, bool p1First)
{
    // The next game exists before the current one goes, so my_game never dangles.
    game* next = checkersGame ? static_cast<game*>(new checkers(p1First)) : new chess(p1First);
    delete std::exchange(my_game, next);
    glutIdleFunc(nullptr);
}
