// SPDX-License-Identifier: MIT
// The web page in a real browser, step by step as a player plays it.
#include <gtest/gtest.h>

#include "e2e/board_view.h"
#include "e2e/browser.h"
#include "support/dumps.h"

#include <functional>

namespace {

using namespace e2e;

const std::vector<int> white = { 255, 255, 255 }, bottomPiece = { 204, 204, 204 };

// From the start with the bottom player first: the bottom's b3 man jumps its way to the far row.
const int crowningLine[][4] = {
    { 1, 2, 0, 3 }, { 2, 5, 3, 4 }, { 5, 2, 4, 3 }, { 4, 5, 5, 4 }, { 4, 3, 2, 5 }, // a jump
    { 3, 6, 4, 5 }, { 3, 2, 4, 3 }, { 4, 7, 3, 6 }, { 2, 5, 4, 7 }, // a jump to the crown
};

const std::pair<const char*, std::function<void(page&)>> steps[] = {
    { "the board at start, brown beside it, the welcome text in the log",
        [](page& p) {
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(1.5f), bottomPiece)); // e2's pawn
            EXPECT_TRUE(p.waitForPixel(p.x(8.5f), p.y(4.0f), { 153, 102, 51 }));
            EXPECT_EQ(p.log(), testing_support::welcomeText);
            EXPECT_EQ(p.eval("document.title"), "Chess & Checkers");
        } },
    { "e2-e4 by a drag, on the canvas and in the dump",
        [](page& p) {
            p.play({ 4, 1, 4, 3 }, 0.1f);
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(3.5f), bottomPiece));
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(1.5f), white));
            const board_codes board = parseDump(p.dump());
            EXPECT_EQ(board[4][3], 6);
            EXPECT_EQ(board[4][1], 0);
        } },
    { "Alt+d prints nothing, z takes the move back, a press in a knight's hole lifts nothing",
        [](page& p) {
            const std::string before = p.log();
            p.key("d", 68, 1);
            EXPECT_EQ(p.log(), before);
            p.key("z", 90);
            p.play({ 1, 0, 2, 2 }, 0.5f); // b1's knight to c3, were it lifted
            EXPECT_EQ(p.dump(), testing_support::chessStartDump);
        } },
    { "a promotion through the strip",
        [](page& p) {
            for (const auto& m : promotionLine)
                p.play(m, 0.1f);
            p.click(p.x(2.5f), p.y(4.1f));
            EXPECT_EQ(parseDump(p.dump())[1][7], 2);
        } },
    { "New Checkers Game and a board colour through the HTML menu",
        [](page& p) {
            p.chooseMenu({ "New Checkers Game", "Bottom player goes first" });
            EXPECT_EQ(p.dump(), testing_support::checkersStartDump);
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 0, 0, 0 }));
            p.chooseMenu({ "Change colors", "Change Board Colors", "Red and White" });
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 255, 0, 0 }));
        } },
    { "checkers: a step by touch, a jump, and a crowning jump",
        [](page& p) {
            for (const auto& m : crowningLine)
                p.play(m, 0.5f, &m == &crowningLine[0]);
            const board_codes board = parseDump(p.dump());
            EXPECT_EQ(board[1][2], 0); // the touch took it from b3...
            EXPECT_EQ(board[0][3], 1); // ...to a4
            EXPECT_EQ(board[3][4], 0); // jumped
            EXPECT_EQ(board[4][7], 3); // a bottom king
        } },
    { "at another size and two device pixels a point, drops land under the pointer",
        [](page& p) {
            ASSERT_TRUE(p.resize(420, 600, 2));
            p.key("z", 90);
            EXPECT_EQ(parseDump(p.dump())[4][7], 0);
            p.play(crowningLine[8], 0.5f);
            EXPECT_EQ(parseDump(p.dump())[4][7], 3);
        } },
    { "Escape ends the game and the page offers a new one",
        [](page& p) {
            p.key("Escape", 27);
            EXPECT_EQ(p.eval("document.getElementById('ended').hidden"), "false");
            EXPECT_EQ(p.eval("document.activeElement.textContent"), "Play again");
        } },
};

TEST(Web, PlaysInTheBrowser)
{
    page p(700, 550);
    for (const auto& [what, run] : steps) {
        SCOPED_TRACE(what);
        run(p);
    }
    for (const std::string& m : p.messages)
        EXPECT_EQ(m.find("Content Security Policy"), std::string::npos) << m;
}

} // namespace
