// SPDX-License-Identifier: MIT
#include "chess/chess.h"
#include "shell/game.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, TheFirstGameExistsBeforeMainAndIsChessWithTheBottomPlayerToMove)
{
    auto* first = dynamic_cast<chess*>(my_game);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->p1ToMove);
    EXPECT_TRUE(first->undoStack.empty());
    EXPECT_EQ(boardsize, 0); // no reshape has happened yet
}

} // namespace
