// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"
#include "support/dumps.h"

#include <array>
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
    p.click(-50, 100); // outside the window: the menu closes, and the keys work at once
    EXPECT_TRUE(p.menuClosed());
    EXPECT_EQ(p.dump(), testing_support::chessStartDump);
    p.openMenu();
    p.key("Escape"); // closes the menu alone
    EXPECT_TRUE(p.menuClosed());
    EXPECT_EQ(p.dump(), testing_support::chessStartDump);

    p.resize(800, 400);
    EXPECT_TRUE(p.waitForPixel(600, 200, { 153, 102, 51 })); // brown beside the board

    p.chooseMenu({ 4 }, { 5 }); // "Quit"
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

std::array<int, 4> place(e2e::rect r) { return { r.x, r.y, r.width, r.height }; }

// Every -geometry form opens the window wholly on the 1920 by 1200 screen; Escape quits.
TEST(ShellEndToEnd, GeometryFormsOpenOnTheScreenAndEscapeQuits)
{
    const struct {
        const char* geometry;
        std::array<int, 4> window;
    } rows[] = {
        { "550x550+680+100", { 680, 100, 550, 550 } },
        { "-0-0", { 1370, 650, 550, 550 } },
        { "-10-10", { 1360, 640, 550, 550 } },
        { "0x0", { 680, 100, 120, 120 } },
        { "99999x99999", { 0, 0, 1910, 1160 } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.geometry);
        e2e::program p({ CHESS_CHECKERS_EXE, "-geometry", row.geometry });
        EXPECT_EQ(place(p.window()), row.window);
        EXPECT_EQ(p.windowClass(), "chess-checkers/chess-checkers"); // StartupWMClass
        EXPECT_EQ(p.windowPid(), p.pid());
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(), 0);
        EXPECT_EQ(p.errors(), "");
    }
    e2e::expectAnswersWithoutAWindow(CHESS_CHECKERS_EXE);
}

// Started with standard input, output or error closed, as some launchers do, it still plays.
TEST(ShellEndToEnd, PlaysWithAStandardStreamClosed)
{
    for (const char* closing : { "<&-", ">&-", "2>&-" }) {
        SCOPED_TRACE(closing);
        e2e::program p(
            { "/bin/sh", "-c", std::string("exec \"$0\" ") + closing, CHESS_CHECKERS_EXE });
        ASSERT_TRUE(p.waitForPixel(3, 546, { 0, 0, 0 }));
        p.drain(); // the welcome text, where it is shown
        dragPiece(p, 4, 1, 4, 3, 0.1f); // e2-e4: the pawn's head on e4
        EXPECT_TRUE(p.waitForPixel(e2e::boardX(4.5f), e2e::boardY(3.5f), { 204, 204, 204 }));
        EXPECT_TRUE(closing[0] == '>' || e2e::parseDump(p.dump())[4][3] == 6); // where it shows
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(), 0);
    }
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
    p.onWindow("windowclose"); // destroyed by another client: the program ends as if closed
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

// A desktop as players have it: a window manager keeps the keyboard on the main window while a
// menu is open, and the screen is smaller than the window's preferred place.
TEST(ShellEndToEnd, UnderAWindowManagerOnASmallScreen)
{
    e2e::managed_display screen(1024, 768);
    auto onScreen = [](e2e::rect f) {
        return f.x >= 0 && f.y >= 0 && f.x + f.width <= 1024 && f.y + f.height <= 768;
    };
    for (const char* geometry : { "-10-10", "99999x99999" }) {
        SCOPED_TRACE(geometry);
        e2e::program p({ CHESS_CHECKERS_EXE, "-geometry", geometry });
        const e2e::rect frame = p.frame();
        EXPECT_TRUE(onScreen(frame));
        if (geometry[0] == '-') { // the frame's corner 10 pixels from the screen's
            EXPECT_EQ(frame.x + frame.width, 1014);
            EXPECT_EQ(frame.y + frame.height, 758);
        }
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(), 0);
    }
    e2e::program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    p.takeLines(11);
    EXPECT_EQ(p.window().width, 550);
    EXPECT_TRUE(onScreen(p.frame()));

    // A drag cut short by minimising the window: the pawn is back on e2 at once, and the next
    // press plays.
    p.press(e2e::boardX(4.5f), e2e::boardY(1.1f));
    p.moveTo(e2e::boardX(4.5f), e2e::boardY(2.4f));
    p.onWindow("windowminimize --sync");
    p.release();
    p.onWindow("windowmap --sync");
    EXPECT_TRUE(p.waitForPixel(e2e::boardX(4.5f), e2e::boardY(1.5f), { 204, 204, 204 }));
    dragPiece(p, 4, 1, 4, 3, 0.1f); // e2-e4
    p.openMenu();
    p.key("z d Escape"); // meant for the menu: no undo, no dump; Escape closes it, no quit
    EXPECT_TRUE(p.menuClosed());
    dragPiece(p, 4, 6, 4, 4, 0.1f); // e7-e5
    e2e::board_codes board = e2e::parseDump(p.dump());
    EXPECT_EQ(board[4][3], 6);
    EXPECT_EQ(board[4][4], 16);

    p.closeByWindowManager();
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
}

} // namespace
