// SPDX-License-Identifier: MIT
#pragma once

// The shell's only view of a game, and the board helpers that both games call.
// Board frame: column 0..7 left to right, row 0..7 bottom to top, one square per board unit.

class game {
public:
    // Left press at window pixel (x, y); the game calls pick/toBoardX/toBoardY itself.
    virtual void mousedown(int x, int y) = 0;
    // Left release, in board units.
    virtual void mouseup(float x, float y) = 0;
    // Pointer motion with a button held, in board units.
    virtual void mousemove(float x, float y) = 0;
    virtual void undo() = 0;
    // A query without side effects: true once the game has ended.
    virtual bool gameover() = 0;
    // Draws the whole scene; with selectionMode every pickable piece carries its name.
    virtual void draw(bool selectionMode) = 0;
    // Dumps the position on standard output.
    virtual void printInformation() = 0;
    virtual void changeBoard(int scheme) = 0;
    virtual void changeColor(bool bottomPlayer, int colour) = 0;
    virtual ~game() = default;
};

// View values, set at every reshape; zero until the first one.
extern int boardsize; // side of the board area in pixels
extern float boardx; // window width in board units
extern float boardy; // window height in board units

// The current game; never null.
extern game* my_game;

float toBoardX(int x);
float toBoardY(int y);
// Rounds towards minus infinity: ftoi(-0.2f) is -1.
int ftoi(float x);
// A filled disc centred on board point (x, y); leaves rgb as the current colour.
void draw_circle(float x, float y, float radius, float* rgb);
// The selection name of the piece under window pixel (x, y), or -1.
int pick(int x, int y);
// Square (column, row) as one filled polygon: dark when column+row is even, light otherwise.
void draw_square(int column, int row, const float* dark, const float* light);
// The position dump of both games on standard output: the top row first, each code after the
// separator, then two empty lines; every line flushed.
void print_board(const int (*board)[8], char separator);
