// SPDX-License-Identifier: MIT
#include "chess/chess.h"
#include "shell/game.h"
#include "shell/placement.h"

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

TEST(StartUp, TheWindowOpensWhollyOnOneMonitorScaledForHiDpi)
{
    const screen_area laptop { 0, 312, 1366, 768 }, wide { 1366, 0, 1920, 1080 };
    struct {
        display_layout layout;
        int x, y, size;
    } const rows[] = {
        { { { { 0, 0, 1920, 1200 } }, 1 }, 680, 100, 550 },
        { { {}, 1 }, 680, 100, 550 }, // nothing known
        { { { { 0, 0, 1024, 768 } }, 1 }, 464, 100, 550 }, // moved left to fit
        { { { { 0, 0, 700, 500 } }, 1 }, 230, 0, 460 }, // and shrunk
        { { { { 0, 0, 3840, 2160 } }, 2 }, 1360, 200, 1100 }, // Xft.dpi 192
        { { { { 0, 0, 1920, 1080 } }, 2 }, 900, 0, 1000 },
        { { { { 0, 0, 1920, 1200 } }, 1.0 / 0.0 }, 1200, 0, 560 }, // an absurd dpi stays bounded
        { { { laptop, wide }, 1 }, 680, 412, 550 }, // across the join: on the first, the primary
        { { { wide, laptop }, 1 }, 2046, 100, 550 },
        { { { { 1920, 312, 1366, 768 }, { 0, 0, 1920, 1080 } }, 1 }, 680, 100, 550 }, // fits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        window_place place = placeWindow(row.layout);
        EXPECT_EQ(place.x, row.x);
        EXPECT_EQ(place.y, row.y);
        EXPECT_EQ(place.size, row.size);
    }
}

} // namespace
