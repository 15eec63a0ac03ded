// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"
#include "support/dumps.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellEndToEnd, WindowWelcomeDumpResizeAndQuitFromTheMenu)
{
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise, all moves and rules still apply.\n"));
    EXPECT_EQ(p.takeLines(11), testing_support::welcomeText);

    e2e::rect w = p.window();
    EXPECT_EQ(w.width, 550);
    EXPECT_EQ(w.height, 550);
    EXPECT_EQ(w.x, 680);
    EXPECT_EQ(w.y, 100);
    EXPECT_TRUE(p.waitForPixel(3, 546, { 0, 0, 0 })); // square (0, 0), beside its rook
    EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 })); // square (0, 7), beside its rook

    EXPECT_EQ(p.dump(), testing_support::chessStartDump);
    p.key("alt+d Num_Lock alt+d Num_Lock"); // Alt alone held, Num Lock off or on: nothing
    EXPECT_EQ(p.dump(), testing_support::chessStartDump);
    EXPECT_FALSE(p.waitForOutput("\t", 300)); // only the one dump arrives

    // A menu opened while e2's pawn is carried up puts it back, and neither the release nor the
    // click that closes the menu plays it.
    p.press(e2e::boardX(4.5f), e2e::boardY(1.1f));
    p.moveTo(e2e::boardX(4.5f), e2e::boardY(2.4f));
    e2e::rect menu = p.openMenu(e2e::boardX(4.5f), e2e::boardY(2.5f));
    // The first menu of the run is drawn at once, before the pointer moves over it.
    EXPECT_TRUE(
        p.waitForPixel(menu.x + menu.width - 8, menu.y + menu.height - 8, { 179, 179, 179 }));
    p.release();
    p.click(e2e::boardX(0.5f), e2e::boardY(4.5f));
    EXPECT_EQ(p.dump(), testing_support::chessStartDump);

    p.resize(800, 400);
    EXPECT_TRUE(p.waitForPixel(600, 200, { 153, 102, 51 })); // brown beside the board

    p.chooseMenu({ 4 }, { 5 }); // "Quit"
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

TEST(ShellEndToEnd, EscapeQuitsWithStatusZero)
{
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    EXPECT_EQ(p.windowClass(), "chess-checkers/chess-checkers"); // StartupWMClass in the menu entry
    EXPECT_EQ(p.windowPid(), p.pid());
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

TEST(ShellEndToEnd, ColourEntriesRecolourTheBoard)
{
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    // Square (0, 0) is the bottom-left one; its top-left corner carries no piece.
    const int x = 3, y = 550 - 68 + 3;
    ASSERT_TRUE(p.waitForPixel(x, y, { 0, 0, 0 }));
    p.chooseMenu(
        { 2, 0, 1 }, { 5, 3, 3 }); // "Change colors" > "Change Board Colors" > "Red and White"
    EXPECT_TRUE(p.waitForPixel(x, y, { 255, 0, 0 }));
    p.destroyWindow(); // by another client: the program ends as if closed
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

// A desktop as players have it: a window manager keeps the keyboard on the main window while a
// menu is open, and the screen is smaller than the window's preferred place.
TEST(ShellEndToEnd, UnderAWindowManagerOnASmallScreen)
{
    e2e::managed_display screen(1024, 768);
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);
    e2e::rect frame = p.frame();
    EXPECT_EQ(p.window().width, 550);
    EXPECT_GE(frame.x, 0);
    EXPECT_GE(frame.y, 0);
    EXPECT_LE(frame.x + frame.width, 1024);
    EXPECT_LE(frame.y + frame.height, 768);

    dragPiece(p, 4, 1, 4, 3, 0.1f); // e2-e4
    p.openMenu();
    p.key("Escape z d"); // meant for the menu: no quit, no undo, no dump
    p.click(e2e::boardX(4.5f), e2e::boardY(4.5f)); // beside the menu, on an empty square
    dragPiece(p, 4, 6, 4, 4, 0.1f); // e7-e5
    e2e::board_codes board = e2e::parseDump(p.dump());
    EXPECT_EQ(board[4][3], 6);
    EXPECT_EQ(board[4][4], 16);

    p.closeByWindowManager();
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

} // namespace
