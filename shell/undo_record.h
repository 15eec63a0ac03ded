// SPDX-License-Identifier: MIT
#pragma once

// What the undo record of either game holds first: where the moved piece went from and to, what
// stood on the target, and the moved piece's code.
struct undo_record {
    int fromColumn;
    int fromRow;
    int toColumn;
    int toRow;
    int capturedPiece;
    int movedPiece;
};
