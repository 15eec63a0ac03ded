// SPDX-License-Identifier: MIT
#include "shell/shell.h"

#include "platform/gl.h"
#include <cstdio>

namespace {

const char* const welcome[] = {
    "Welcome to Quor's OpenGL Chess & Checkers program.\n",
    "\n",
    "This OpenGL program demonstrates mouse interaction on a screen.\n",
    "It allows two people to play a game of chess or checkers against one another.\n",
    "\n",
    "Right-click on the screen and bring up a sub-menu which allows you\n",
    "to choose which player goes first, which color scheme to make the board\n",
    "and the color scheme of the player pieces!\n",
    "\n",
    "If a player is in check, various moves may be difficult to make ;)\n",
    "Otherwise, all moves and rules still apply.\n",
};

int menusMade = 0;

int createMenu(void (*callback)(int))
{
    ++menusMade;
    return glutCreateMenu(callback);
}

int playerMenu(int firstValue)
{
    int id = createMenu(menu);
    glutAddMenuEntry("Top player goes first", firstValue);
    glutAddMenuEntry("Bottom player goes first", firstValue + 1);
    return id;
}

// A menu of one entry for each entry of a table, the values from firstValue on.
template <typename Entry, int N> int tableMenu(const Entry (&table)[N], int firstValue)
{
    int id = createMenu(menu);
    for (int i = 0; i < N; ++i)
        glutAddMenuEntry(table[i].name, firstValue + i);
    return id;
}

} // namespace

void printWelcome()
{
    // Flushed line by line so that the text shows at once also when stdout is a pipe.
    for (const char* line : welcome) {
        std::printf("%s", line);
        std::fflush(stdout);
    }
}

int buildMenus()
{
    int checkersMenu = playerMenu(newCheckersTopFirst);
    int chessMenu = playerMenu(newChessTopFirst);

    int boardMenu = tableMenu(boardSchemes, firstBoardScheme);
    int bottomMenu = tableMenu(pieceColours, firstBottomColour);
    int topMenu = tableMenu(pieceColours, firstTopColour);

    int coloursMenu = createMenu(nullptr);
    glutAddSubMenu("Change Board Colors", boardMenu);
    glutAddSubMenu("Change Bottom Player's Color", bottomMenu);
    glutAddSubMenu("Change Top Player's Color", topMenu);

    createMenu(menu);
    glutAddSubMenu("New Checkers Game", checkersMenu);
    glutAddSubMenu("New Chess Game", chessMenu);
    glutAddSubMenu("Change colors", coloursMenu);
    glutAddMenuEntry("Undo Move", undoMove);
    glutAddMenuEntry("Quit", quitProgram);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
    return menusMade;
}
