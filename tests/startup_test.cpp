// SPDX-License-Identifier: MIT
#include "chess/chess.h"
#include "platform/platform.h"
#include "shell/game.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(StartUp, TheFirstGameExistsBeforeMainAndIsChessWithTheBottomPlayerToMove)
{
    auto* first = dynamic_cast<chess*>(my_game);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->p1ToMove);
    EXPECT_TRUE(first->undoStack.empty());
    EXPECT_EQ(boardsize, 0); // no reshape has happened yet
}

// Standard output closed, and no descriptor left to point at the null device.
[[noreturn]] void settleWithNoDescriptorLeft()
{
    const rlimit none { 1, 1 };
    close(STDOUT_FILENO);
    setrlimit(RLIMIT_NOFILE, &none);
    _exit(settleStandardStreams() ? 0 : 3);
}

TEST(StartUp, AClosedStandardStreamThatCannotBeSettledEndsTheStart)
{
    // A display connection would take the closed number.
    EXPECT_EXIT(settleWithNoDescriptorLeft(), ::testing::ExitedWithCode(3), "/dev/null");
}

TEST(StartUp, TheWindowOpensWhollyOnOneMonitorScaledForHiDpi)
{
    const screen_area laptop { 0, 312, 1366, 768 }, wide { 1366, 0, 1920, 1080 };
    const display_layout desk { { { 0, 0, 1920, 1200 } }, 1 };
    const geometry_request corner { false, true, 0, 0, 10, 10, true, true }; // -10-10
    struct {
        display_layout layout;
        geometry_request request;
        int x, y, width, height;
    } const rows[] = {
        { desk, {}, 680, 100, 550, 550 },
        { { {}, 1 }, {}, 680, 100, 550, 550 }, // nothing known
        { { { { 0, 0, 1024, 768 } }, 1 }, {}, 464, 100, 550, 550 }, // moved left to fit
        { { { { 0, 0, 700, 500 } }, 1 }, {}, 230, 0, 460, 460 }, // and shrunk
        { { { { 0, 0, 3840, 2160 } }, 2 }, {}, 1360, 200, 1100, 1100 }, // Xft.dpi 192
        { { { { 0, 0, 1920, 1080 } }, 2 }, {}, 900, 0, 1000, 1000 },
        { { { { 0, 0, 1920, 1200 } }, 1.0 / 0.0 }, {}, 1200, 0, 560, 560 }, // absurd dpi, bounded
        { { { laptop, wide }, 1 }, {}, 680, 412, 550, 550 }, // across the join: on the primary
        { { { wide, laptop }, 1 }, {}, 2046, 100, 550, 550 },
        { { { { 1920, 312, 1366, 768 }, { 0, 0, 1920, 1080 } }, 1 }, {}, 680, 100, 550, 550 },
        // -geometry: a corner from the right and bottom, sizes too small and too large
        { desk, corner, 1360, 640, 550, 550 },
        { { { laptop, wide }, 1 }, corner, 2726, 520, 550, 550 }, // the screen's corner
        { desk, { true, false, 99999, 99999 }, 0, 0, 1910, 1160 },
        { desk, { true, false, 0, 0 }, 680, 100, 120, 120 },
        { { { { 0, 0, 1024, 768 } }, 1 }, { true, false, 800, 400 }, 214, 100, 800, 400 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        window_place place = placeWindow(row.layout, row.request);
        EXPECT_EQ(place.x, row.x);
        EXPECT_EQ(place.y, row.y);
        EXPECT_EQ(place.width, row.width);
        EXPECT_EQ(place.height, row.height);
    }
}

} // namespace
