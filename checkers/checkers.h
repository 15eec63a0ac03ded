// SPDX-License-Identifier: MIT
#pragma once

#include "shell/game.h"
#include "shell/undo_record.h"

#include <stack>

// Piece codes: 0 empty, 1 man and 3 king of the bottom player (P1), 2 man and 4 king of the top
// player (P2). Pieces stand only on squares whose column+row is odd.
namespace checker_pieces {
constexpr int man(bool p1) { return p1 ? 1 : 2; }
constexpr int king(bool p1) { return p1 ? 3 : 4; }
constexpr bool isKing(int code) { return code == king(true) || code == king(false); }
// The row where a player's men are crowned.
constexpr int farRow(bool p1) { return p1 ? 7 : 0; }
} // namespace checker_pieces

// One checkers step or jump as it is taken back; movedPiece is the code before any crowning.
struct checker_undo : undo_record {
    checker_undo(int from, int fromR, int to, int toR, bool turn, int captured, int moved)
        : undo_record { from, fromR, to, toR, captured, moved }
        , p1ToMove(turn)
    {
    }

    bool p1ToMove;
};

class checkers : public game {
public:
    explicit checkers(bool p1First);
    ~checkers() override = default;

    void mousedown(int x, int y) override;
    void mouseup(float x, float y) override;
    void mousemove(float x, float y) override;
    void undo() override;
    bool gameover() override;
    void draw(bool selectionMode) override;
    void printInformation() override;
    void changeBoard(int scheme) override;
    void changeColor(bool bottomPlayer, int colour) override;

    // Draws one piece centred on (x, y), under a selection name unless it is -1.
    void drawchecker(float x, float y, int piece, int name);

    static bool isP1(int code);
    static bool isP2(int code);
    bool isP1(int column, int row) const;
    bool isP2(int column, int row) const;

    // Judge a drop of the lifted piece from (fromColumn, fromRow).
    bool isLegalStep(int column, int row) const;
    bool isLegalJump(int column, int row) const;
    void step(int column, int row);
    void jump(int column, int row);
    void saveMove(int toColumn, int toRow, int capturedPiece);
    // Puts the lifted piece back on its square.
    void cancelMove();

    int dragging = 0;
    int board[8][8];
    float darkSquareColor[3];
    float lightSquareColor[3];
    float p1Color[3];
    float p1AccentColor[3];
    float p2Color[3];
    float p2AccentColor[3];
    bool lastMoveWasJump = false;
    bool p1ToMove;
    int fromColumn = -1;
    int fromRow = -1;
    int liftedPiece = 0;
    float dragX = 0;
    float dragY = 0;
    float grabOffsetX = 0;
    float grabOffsetY = 0;
    int p1PieceCount = 12;
    int p2PieceCount = 12;
    std::stack<checker_undo> undoStack;

private:
    bool mayLift(int column, int row) const;
    bool isLegalTarget(int column, int row) const;
    bool directionAllows(int row) const;
    // Whether the lifted piece may land on the square the distance away diagonally, its way.
    bool reaches(int column, int row, int distance) const;
    void crown(int row);
};
