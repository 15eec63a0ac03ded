// SPDX-License-Identifier: MIT
#include "shell/game.h"
#include "shell/shell.h"

#include "platform/gl.h"
#include "platform/platform.h"
#include <cstdlib>

shell_state shellState = shell_state::playing;
bool menuInUse = false;

namespace {

constexpr unsigned char escapeKey = 27;
bool exiting = false;

// The game's own left press, from its press until its release is handed on: where it was in
// board units, to carry a lifted piece back there; the pointer's last window pixel, to put the
// piece back under it after a reshape; and the view's height then.
struct held_press {
    bool held = false;
    float boardX = 0, boardY = 0;
    int pointerX = 0, pointerY = 0;
    float boardy = 0;
};
held_press press;

// Board height of a window pixel row as the game measures it during the held press. toBoardY
// counts from the window's top edge and the drawing from its bottom, so in a window taller than
// wide they differ by boardy - 8: the game's grab offset absorbs that, as long as it stays what
// it was at the press. After a reshape the difference is made up here.
float heldBoardY(int y) { return toBoardY(y) + (press.held ? boardy - press.boardy : 0.0f); }

// Mouse events can only be converted to board units once the first reshape has set the view.
bool viewReady() { return boardsize > 0; }

void finish()
{
    glutMouseFunc(nullptr);
    glutMotionFunc(nullptr);
    glutDisplayFunc(victory);
    shellState = shell_state::finished;
}

void release(float x, float y)
{
    press.held = false;
    my_game->mouseup(x, y);
    if (my_game->gameover())
        finish();
    glutPostRedisplay();
}

// Ends a held press whose release will not come to the game, as if the piece were carried back
// and dropped where it was grabbed: it goes back to its square, and no later release plays it.
void endHeldPress()
{
    if (press.held) {
        my_game->mousemove(press.boardX, press.boardY);
        release(press.boardX, press.boardY);
    }
}

void leftButton(int state, int x, int y)
{
    if (state == GLUT_DOWN) {
        my_game->mousedown(x, y);
        press = { true, toBoardX(x), toBoardY(y), x, y, boardy };
        glutPostRedisplay();
    } else if (state == GLUT_UP && press.held) {
        // Only the release of a press the game had: the press that closes a menu is the
        // toolkit's, and its release must not drop a piece.
        release(toBoardX(x), heldBoardY(y));
    }
}

} // namespace

void play()
{
    glutDisplayFunc(display);
    glutMouseFunc(mouse);
    glutMotionFunc(mousemove);
    shellState = shell_state::playing;
}

void registerCallbacks()
{
    glutReshapeFunc(myReshape);
    play();
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special_keyboard);
    glutPassiveMotionFunc(passivemove);
    glutWindowStatusFunc(windowStatus);
    glutMenuStatusFunc(menuStatus);
}

void quit()
{
    exiting = true;
    endProgram();
}

void windowClosed()
{
    // The toolkit also calls this while it takes its windows down during exit.
    if (!exiting)
        quit();
}

void display()
{
    glClearColor(0.6f, 0.4f, 0.2f, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    my_game->draw(false);
    glFlush();
}

void victory()
{
    static const char text[] = "Game Over";
    glColor3f(1, 1, 1);
    glRasterPos2f(3.2f, 4.0f);
    for (const char* c = text; *c; ++c)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, *c);
    glFlush();
}

void myReshape(int width, int height)
{
    // A minimised window may report a zero side; keep the last view rather than divide by it.
    if (width <= 0 || height <= 0)
        return;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (width > height) {
        boardsize = height;
        boardx = static_cast<float>(8.0 * width / height);
        boardy = 8;
    } else {
        boardsize = width;
        boardx = 8;
        boardy = static_cast<float>(8.0 * height / width);
    }
    glOrtho(0, boardx, 0, boardy, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    // The board moved under a held piece: it goes back under the pointer before it is drawn.
    if (press.held)
        my_game->mousemove(toBoardX(press.pointerX), heldBoardY(press.pointerY));
}

void mouse(int button, int state, int x, int y)
{
    if (button == GLUT_LEFT_BUTTON && viewReady() && !my_game->gameover())
        leftButton(state, x, y);
    if (button == GLUT_MIDDLE_BUTTON && shellState == shell_state::playing) {
        glutDisplayFunc(victory);
        shellState = shell_state::banner;
    }
}

void mousemove(int x, int y)
{
    if (!viewReady() || my_game->gameover())
        return;
    press.pointerX = x;
    press.pointerY = y;
    my_game->mousemove(toBoardX(x), heldBoardY(y));
    glutPostRedisplay();
}

void keyboard(unsigned char key, int, int) { keyCommand(key, glutGetModifiers()); }

void keyCommand(unsigned char key, int modifiers)
{
    // With a window manager the keyboard stays with the main window while a menu is open: an
    // Escape meant for the menu must not end the game, nor a "z" take a move back under it.
    if (menuInUse)
        return;
    switch (key) {
    case escapeKey:
        quit();
    case 'z':
        my_game->undo();
        glutPostRedisplay();
        break;
    case 'd':
        // Only Shift, Ctrl and Alt count: lock keys add bits of their own.
        if ((modifiers & (GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_CTRL | GLUT_ACTIVE_ALT))
            != GLUT_ACTIVE_ALT)
            my_game->printInformation();
        break;
    default:
        break;
    }
}

void special_keyboard(int, int, int) { }

void passivemove(int, int)
{
    // The pointer moves with no button held: the press ended where the game could not see it.
    endHeldPress();
}

void windowStatus(int state)
{
    // Minimised, on another workspace or under a screen lock: a release there never arrives.
    if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED)
        endHeldPress();
    if (state == GLUT_HIDDEN && windowGone())
        quit();
}

void menuStatus(int status, int, int)
{
    menuInUse = status == GLUT_MENU_IN_USE;
    holdInputForMenu(menuInUse);
    if (menuInUse)
        endHeldPress();
}

void menu(int value)
{
    if (value >= newCheckersTopFirst && value < firstBoardScheme) {
        newgame(value < newChessTopFirst, value % 2 == 1); // the second of each pair: bottom first
        play();
    } else if (value >= firstBoardScheme && value < firstBottomColour)
        my_game->changeBoard(value - firstBoardScheme);
    else if (value >= firstBottomColour && value < firstTopColour)
        my_game->changeColor(true, value - firstBottomColour);
    else if (value >= firstTopColour && value < undoMove)
        my_game->changeColor(false, value - firstTopColour);
    else if (value == undoMove)
        my_game->undo();
    else if (value == quitProgram)
        quit();
    else
        return;
    glutPostRedisplay();
}
