// SPDX-License-Identifier: MIT
#pragma once

#include "shell/game.h"

#include <stack>

// One chess move as it is taken back: where the piece went, what it replaced, and the mover's
// castling rights before it (1 king-side, 2 queen-side).
struct chess_undo {
    chess_undo(int fromColumn, int fromRow, int toColumn, int toRow, int capturedPiece,
        int movedPiece, int castlingRights);

    int fromColumn;
    int fromRow;
    int toColumn;
    int toRow;
    int capturedPiece;
    int movedPiece;
    int castlingRights;
};

// Piece codes: 0 empty; 1 king, 2 queen, 3 rook, 4 knight, 5 bishop, 6 pawn of the bottom player
// (P1); 11 to 16 the same pieces of the top player (P2).
class chess : public game {
public:
    explicit chess(bool p1First);
    ~chess() override;

    void mousedown(int x, int y) override;
    void mouseup(float x, float y) override;
    void mousemove(float x, float y) override;
    void undo() override;
    bool gameover() override;
    void draw(bool selectionMode) override;
    void printInformation() override;
    void changeBoard(int scheme) override;
    void changeColor(bool bottomPlayer, int colour) override;

    static int getType(int code);
    int getType(int column, int row) const;
    static bool isP1(int code);
    static bool isP2(int code);
    bool isP1(int column, int row) const;
    bool isP2(int column, int row) const;

    // Whether the lifted piece may go from (fromColumn, fromRow) to the square, on the board.
    bool isLegal(int column, int row) const;
    // Whether the lifted piece's move to the square would leave the mover's king attacked.
    bool wouldPutInCheck(int column, int row) const;
    // Whether the king of one side (true: bottom) is attacked in the position.
    static bool isInCheck(bool bottomKing, const int (*position)[8]);

    // Carries out the lifted piece's legal move, with castling, en passant and promotion.
    void move(int column, int row);
    void saveMove(int column, int row);
    // Puts the lifted piece back on its square and ends the drag.
    void cancelMove();

    // Draws one piece in the cell centred on (x, y), under a selection name unless it is -1.
    void drawpiece(float x, float y, int code, int name);

    bool promotionPending = false;
    bool p1CanCastleKingside = true;
    bool p1CanCastleQueenside = true;
    bool p2CanCastleKingside = true;
    bool p2CanCastleQueenside = true;
    int dragging = 0;
    int board[8][8];
    float darkSquareColor[3];
    float lightSquareColor[3];
    float p1Color[3];
    float p2Color[3];
    bool p1ToMove;
    int fromColumn = -1;
    int fromRow = -1;
    int liftedPiece = 0;
    float dragX = 0;
    float dragY = 0;
    float grabOffsetX = 0;
    float grabOffsetY = 0;
    std::stack<chess_undo> undoStack;

private:
    // Castling is the king's move from column 4 of its home row to column 2 or 6 of that row;
    // legality, the trial board, the move and its undo all ask this one rule.
    static bool isCastling(int code, int fromColumn, int fromRow, int toColumn, int toRow);
    bool movementAllows(int column, int row) const;
    bool pawnAllows(int column, int row) const;
    bool castlingAllows(int column) const;
    void choosePromotion(int x, int y);
    void lift(int x, int y, int column, int row);
};
