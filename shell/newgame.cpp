// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/shell.h"

#include <GL/glut.h>

// Created before main runs, so a game exists before any window does.
game* my_game = new chess(true);

void registerCallbacks()
{
    glutReshapeFunc(myReshape);
    glutDisplayFunc(display);
    glutMouseFunc(mouse);
    glutMotionFunc(mousemove);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special_keyboard);
    shellState = shell_state::playing;
}

void newgame(bool checkersGame, bool p1First)
{
    delete my_game;
    my_game = nullptr;
    if (checkersGame)
        my_game = new checkers(p1First);
    else
        my_game = new chess(p1First);
    glutIdleFunc(nullptr);
    glutMouseFunc(mouse);
    glutMotionFunc(mousemove);
    glutDisplayFunc(display);
    shellState = shell_state::playing;
    glutPostRedisplay();
}
