// SPDX-License-Identifier: MIT
#include "e2e/program.h"
#include "support/dumps.h"

#include <gtest/gtest.h>

namespace {

const char* const welcome = "Welcome to Quor's OpenGL Chess & Checkers program.\n"
                            "\n"
                            "This OpenGL program demonstrates mouse interaction on a screen.\n"
                            "It allows two people to play a game of chess or checkers against "
                            "one another.\n"
                            "\n"
                            "Right-click on the screen and bring up a sub-menu which allows you\n"
                            "to choose which player goes first, which color scheme to make the "
                            "board\n"
                            "and the color scheme of the player pieces!\n"
                            "\n"
                            "If a player is in check, various moves may be difficult to make ;)\n"
                            "Otherwise, all moves and rules still apply.\n";

const std::vector<int> mainAndSub = { 5, 3 };

TEST(ShellEndToEnd, WindowWelcomeDumpResizeAndQuitFromTheMenu)
{
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise, all moves and rules still apply.\n"));
    EXPECT_EQ(p.takeLines(11), welcome);

    e2e::rect w = p.window();
    EXPECT_EQ(w.width, 550);
    EXPECT_EQ(w.height, 550);
    EXPECT_EQ(w.x, 680);
    EXPECT_EQ(w.y, 100);
    EXPECT_TRUE(p.waitForPixel(3, 546, { 0, 0, 0 })); // square (0, 0), beside its rook
    EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 })); // square (0, 7), beside its rook

    EXPECT_EQ(p.dump(), testing_support::chessStartDump);
    p.key("alt+d"); // Alt alone held: nothing
    EXPECT_EQ(p.dump(), testing_support::chessStartDump); // only the one dump arrives

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
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
}

} // namespace
