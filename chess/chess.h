// SPDX-License-Identifier: MIT
#pragma once

#include "shell/game.h"
#include "shell/undo_record.h"

#include <stack>

// Piece codes: 0 empty; the type (king 1 to pawn 6) for the bottom player (P1), the type plus 10
// for the top player (P2).
namespace chess_pieces {
enum : int { king = 1, queen, rook, knight, bishop, pawn };
constexpr int topOffset = 10;
constexpr int code(int type, bool p1) { return p1 ? type : type + topOffset; }
// The way a player's pawns advance, in rows, and the rows the player starts on and heads for.
constexpr int forward(bool p1) { return p1 ? 1 : -1; }
constexpr int homeRow(bool p1) { return p1 ? 0 : 7; }
constexpr int farRow(bool p1) { return homeRow(!p1); }

// Castling moves the king from its column to kingTo, and the rook of that side from its corner
// to the square the king passed.
constexpr int castlingKingFrom = 4;
struct castling_side {
    int kingTo, rookFrom, rookTo;
};
inline constexpr castling_side queenside { 2, 0, 3 }, kingside { 6, 7, 5 };
// The side whose king lands on the column, or null.
constexpr const castling_side* castlingTo(int column)
{
    return column == queenside.kingTo ? &queenside
        : column == kingside.kingTo   ? &kingside
                                      : nullptr;
}
} // namespace chess_pieces

// One chess move as it is taken back: where the piece went, what it replaced, and the mover's
// castling rights before it (1 king-side, 2 queen-side).
struct chess_undo : undo_record {
    chess_undo(int from, int fromR, int to, int toR, int captured, int moved, int rights)
        : undo_record { from, fromR, to, toR, captured, moved }
        , castlingRights(rights)
    {
    }

    int castlingRights;
};

class chess : public game {
public:
    explicit chess(bool p1First);
    ~chess() override = default;

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
    static bool isInCheck(bool bottomKing, int (*position)[8]);

    // Carries out the lifted piece's legal move, with castling, en passant and promotion.
    void move(int column, int row);
    void saveMove(int column, int row);
    // Puts the lifted piece back on its square and ends the drag.
    void cancelMove();

    // Draws one piece in the cell centred on (x, y), under a selection name unless it is -1.
    void drawpiece(float x, float y, int piece, int name);

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
    static bool isCastling(int piece, int startColumn, int startRow, int endColumn, int endRow);
    // En passant is a pawn's move to another column onto an empty square (target, the code there
    // before the move); the trial board, the move and its undo all ask this one rule.
    static bool isEnPassant(int piece, int startColumn, int endColumn, int target);
    // A player's right to castle to one side, of a game or of a const game.
    template <typename Game>
    static auto& castlingRight(Game& g, bool p1, const chess_pieces::castling_side& side)
    {
        bool kingside = side.kingTo == chess_pieces::kingside.kingTo;
        return p1 ? (kingside ? g.p1CanCastleKingside : g.p1CanCastleQueenside)
                  : (kingside ? g.p2CanCastleKingside : g.p2CanCastleQueenside);
    }
    // Plays the lifted piece's move to the square on a position: the piece, castling's rook and
    // the pawn taken en passant. The trial of a move and the move itself both come here.
    void playOn(int (*position)[8], int column, int row) const;
    bool movementAllows(int column, int row) const;
    bool pawnAllows(int column, int row) const;
    bool castlingAllows(int column) const;
    void choosePromotion(int x, int y);
};
