// SPDX-License-Identifier: MIT
#pragma once

// Window callbacks, menus and game switching. Only the shell talks to GLUT.

#include "shell/palette.h"

// Which callbacks are registered: Playing draws the game, Banner draws "Game Over" but still
// passes the mouse on, Finished draws the banner and takes no mouse input.
enum class shell_state { playing, banner, finished };
extern shell_state shellState;
// True from the moment a pop-up menu opens until it closes; keys are not for the game then.
extern bool menuInUse;

// The values that menu() receives, one per entry, in menu order.
enum menu_value : int {
    newCheckersTopFirst, // "New Checkers Game" > "Top player goes first", then the bottom player
    newChessTopFirst = newCheckersTopFirst + 2, // "New Chess Game", likewise
    firstBoardScheme = newChessTopFirst + 2, // "Change Board Colors", one per scheme
    firstBottomColour = firstBoardScheme + boardSchemeCount, // "Change Bottom Player's Color"
    firstTopColour = firstBottomColour + pieceColourCount, // "Change Top Player's Color"
    undoMove = firstTopColour + pieceColourCount,
    quitProgram,
};

void display();
void victory();
void myReshape(int width, int height);
void mouse(int button, int state, int x, int y);
void mousemove(int x, int y);
void keyboard(unsigned char key, int x, int y);
// A key with the GLUT modifier mask that came with it: Escape quits, "z" undoes, "d" dumps the
// position unless Alt alone is held.
void keyCommand(unsigned char key, int modifiers);
void special_keyboard(int key, int x, int y);
void menu(int value);
void menuStatus(int status, int x, int y);
// Pointer motion with no button held; a press still held then has lost its release.
void passivemove(int x, int y);
// The window shown, covered or hidden; hidden can also mean destroyed by another client.
void windowStatus(int state);

// Ends the program with status 0; every way out (keys, menu, the window closed) comes here.
[[noreturn]] void quit();
// The window's close callback: the window manager has closed it.
void windowClosed();

// Replaces the current game by a fresh one; the caller returns to Playing.
void newgame(bool checkersGame, bool p1First);

// Registers every callback of the start, in the state Playing.
void registerCallbacks();
// Back to Playing: the game drawn, and the mouse handed on to it.
void play();
void printWelcome();
// Builds the pop-up menus, attaches them to the right button and returns how many it made.
int buildMenus();
