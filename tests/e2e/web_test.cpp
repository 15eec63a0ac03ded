// SPDX-License-Identifier: MIT
// The web page in Chromium, Firefox and WebKit, step by step as a player plays it.
#include <gtest/gtest.h>

#include "e2e/board_view.h"
#include "e2e/browser.h"
#include "e2e/harness.h"
#include "support/dumps.h"

#include <functional>
#include <tuple>

namespace {

using namespace e2e;

const std::vector<int> white = { 255, 255, 255 }, bottomPiece = { 204, 204, 204 };
const std::string escape = u8"\uE00C", enter = u8"\uE007";

// From the start with the bottom player first: the bottom's b3 man jumps its way to the far row.
const int crowningLine[][4] = {
    { 1, 2, 0, 3 }, { 2, 5, 3, 4 }, { 5, 2, 4, 3 }, { 4, 5, 5, 4 }, { 4, 3, 2, 5 }, // a jump
    { 3, 6, 4, 5 }, { 3, 2, 4, 3 }, { 4, 7, 3, 6 }, { 2, 5, 4, 7 }, // a jump to the crown
};

// The shown entries of the open menu, as [left, top, right, bottom] each.
std::vector<std::vector<int>> menuBoxes(page& p)
{
    return p.browser
        ->evaluate("[...document.querySelectorAll('#menu [role=menuitem]')].filter(e => "
                   "e.offsetParent && getComputedStyle(e).visibility == 'visible').map(e => "
                   "e.getBoundingClientRect()).map(r => [r.left, r.top, r.right, "
                   "r.bottom].map(Math.round))")
        .get<std::vector<std::vector<int>>>();
}

bool menuShown(page& p) { return p.eval("document.getElementById('menu').hidden") == "false"; }

const std::pair<const char*, std::function<void(page&)>> steps[] = {
    { "the board at start, brown beside it with the welcome text and a menu button",
        [](page& p) {
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(1.5f), bottomPiece)); // e2's pawn
            EXPECT_TRUE(p.waitForPixel(p.x(8.5f), p.y(4.0f), { 153, 102, 51 }));
            EXPECT_EQ(p.log(), testing_support::welcomeText);
            EXPECT_EQ(p.eval("document.title"), "Chess & Checkers");
            const std::vector<int> button = p.browser->evaluate(
                "(b => [b.getBoundingClientRect().left, b.offsetHeight, b.textContent.trim() == "
                "'\u2630 Menu' && b.getAttribute('aria-haspopup') == 'menu'])(document."
                "getElementById('menu-button'))");
            EXPECT_GE(button.at(0), p.x(8)); // off the board
            EXPECT_GE(button.at(1), 40);
            EXPECT_EQ(button.at(2), 1);
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
            p.keys({ u8"\uE00A", "d" });
            p.key("z");
            p.play({ 1, 0, 2, 2 }, 0.4f); // in the box of its lowest quad, not in it
            EXPECT_EQ(p.dump(), testing_support::chessStartDump);
            EXPECT_EQ(p.log(), before + testing_support::chessStartDump);
        } },
    { "a promotion through the strip, then the banner",
        [](page& p) {
            for (const auto& m : promotionLine)
                p.play(m, 0.1f);
            p.click(p.x(2.5f), p.y(4.1f));
            EXPECT_EQ(parseDump(p.dump())[1][7], 2);
            p.click(p.x(4.5f), p.y(2.5f), 1); // "Game Over", shown at the next redraw: a press
            p.click(p.x(4.5f), p.y(2.5f));
            p.snapshot("banner");
            EXPECT_TRUE(p.waitForPixel(p.x(3.2f) + 61, p.y(4.0f) - 7, white)); // O's left on e5
        } },
    { "New Checkers Game and a board colour through the HTML menu",
        [](page& p) {
            p.chooseMenu({ "New Checkers Game", "Bottom player goes first" });
            EXPECT_EQ(p.dump(), testing_support::checkersStartDump);
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 0, 0, 0 }));
            p.chooseMenu({ "Change colors", "Change Board Colors", "Red and White" });
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 255, 0, 0 }));
        } },
    { "checkers: a slow step by touch, a jump, and a crowning jump",
        [](page& p) {
            for (const auto& m : crowningLine) { // the step by touch longer than a long press
                const bool byTouch = &m == &crowningLine[0] && p.browser->touches();
                p.play(m, 0.5f, byTouch, byTouch ? 16 : 4, byTouch ? 60 : 0);
            }
            const board_codes board = parseDump(p.dump());
            EXPECT_EQ(board[1][2], 0); // from b3...
            EXPECT_EQ(board[0][3], 1); // ...to a4
            EXPECT_EQ(board[3][4], 0); // jumped
            EXPECT_EQ(board[4][7], 3); // a bottom king
        } },
    { "another size, then another pixel density alone: drops land under the pointer",
        [](page& p) {
            ASSERT_TRUE(p.resize(420, 600, 1));
            // Chromium's emulation tells a page of no density change alone (no media query
            // changes, no resize), as a real change does; there it comes with a resize.
            ASSERT_TRUE(p.resize(p.name == "chromium" ? 421 : 420, 600, 2));
            p.key("z");
            EXPECT_EQ(parseDump(p.dump())[4][7], 0);
            p.play(crowningLine[8], 0.5f);
            EXPECT_EQ(parseDump(p.dump())[4][7], 3);
        } },
    { "the menu by the keyboard: Shift+F10 opens it, End and Up reach Undo Move, Enter chooses",
        [](page& p) {
            p.keys({ u8"\uE008", u8"\uE03A" });
            ASSERT_TRUE(menuShown(p));
            EXPECT_EQ(p.eval("document.activeElement.firstChild.textContent"), "New Checkers Game");
            p.key(u8"\uE014"); // Right: into the submenu
            EXPECT_EQ(
                p.eval("document.activeElement.firstChild.textContent"), "Top player goes first");
            p.key(escape); // back to its entry, the menu still open
            EXPECT_TRUE(menuShown(p));
            p.key(u8"\uE010");
            p.key(u8"\uE013");
            p.key(enter);
            EXPECT_FALSE(menuShown(p));
            EXPECT_EQ(parseDump(p.dump())[4][7], 0);
        } },
    { "after a long press's menu and a drag, a right click still opens the menu",
        [](page& p) {
            if (p.browser->touches()) {
                p.touch(p.x(3.5f), p.y(3.5f), 800);
                EXPECT_TRUE(waitUntil([&] { return menuShown(p); }, 2000));
                p.key(escape);
            }
            p.play({ 6, 2, 6, 0 }, 0.5f);
            p.dump();
            p.click(p.x(3.5f), p.y(3.5f), 2);
            EXPECT_TRUE(menuShown(p));
            p.key(escape);
            EXPECT_FALSE(menuShown(p));
        } },
    { "a tablet, a phone on its side and upright: the whole board sharp, menus and text on the "
      "screen",
        [](page& p) {
            for (const auto& [width, height, ratio] :
                { std::tuple(820, 1180, 2), { 844, 390, 3 }, { 390, 844, 3 } }) {
                ASSERT_TRUE(p.resize(width, height, ratio));
                EXPECT_TRUE(
                    p.waitForPixel(p.x(0.1f), p.y(7.9f), white)); // a8 and h1: all the board
                EXPECT_TRUE(p.waitForPixel(p.x(7.9f), p.y(0.1f), white));
                EXPECT_EQ(
                    p.eval("(l => l.scrollWidth <= l.clientWidth && parseFloat("
                           "getComputedStyle(l).fontSize) >= 11)(document.getElementById('log'))"),
                    "true");
                for (int at : { p.x(4), p.x(8) - 5 }) { // the board's centre and right edge
                    p.chooseMenu({ "Change colors", "Change Bottom Player's Color" }, at, p.y(4));
                    for (const std::vector<int>& box : menuBoxes(p)) {
                        EXPECT_GE(box[0], 0);
                        EXPECT_LE(box[2], p.width());
                        EXPECT_LE(box[3], p.y(0));
                        if (width < 600 || height < 500) { // a tablet's: a coarse pointer's
                            EXPECT_GE(box[3] - box[1], 40);
                        }
                    }
                    p.snapshot(std::to_string(width) + "-submenu-" + std::to_string(at));
                    ASSERT_FALSE(p.entry("Blue").empty());
                    p.click(p.entry("Blue").at(0), p.entry("Blue").at(1));
                    EXPECT_FALSE(menuShown(p));
                }
            }
            const std::vector<int> button = p.browser->evaluate(
                "(r => [r.x + r.width / 2, r.y + r.height / 2].map(Math.round))(document."
                "getElementById('menu-button').getBoundingClientRect())");
            EXPECT_LT(button.at(1), p.y(8)); // above the board
            p.click(button[0], button[1]);
            EXPECT_TRUE(menuShown(p));
            p.snapshot("phone-menu-button");
            p.click(button[0], button[1]); // closes it, as Enter on the button opens it
            EXPECT_FALSE(menuShown(p));
            p.eval("document.getElementById('menu-button').focus()");
            p.key(enter); // Firefox's BiDi keys press no button
            EXPECT_TRUE(p.name == "firefox" || waitUntil([&] { return menuShown(p); }, 2000));
            p.key(escape);
        } },
    { "the release zip unzipped and its index.html opened as a file: e2-e4",
        [](page& p) {
            const std::string folder = testing::TempDir() + "web-zip-" + p.name;
            run("rm -rf " + folder + " && python3 -m zipfile -e "
                + std::getenv("CHESS_CHECKERS_WEB_ZIP") + " " + folder);
            ASSERT_TRUE(p.open(
                "file://" + folder + "/chess-checkers-" CHESS_CHECKERS_VERSION "-web/index.html"));
            p.play({ 4, 1, 4, 3 }, 0.1f);
            EXPECT_EQ(parseDump(p.dump())[4][3], 6);
        } },
    { "Chromium: the manifest as the browser reads it, its icons, and play with the network gone",
        [](page& p) {
            if (p.name != "chromium")
                return;
            ASSERT_TRUE(p.open());
            const json manifest = p.browser->command("Page.getAppManifest", json::object());
            EXPECT_EQ(manifest["errors"], json::array());
            const json data = json::parse(manifest["data"].get<std::string>());
            EXPECT_EQ(data["display"], "standalone");
            for (const json& icon : data["icons"])
                EXPECT_EQ(p.browser->evaluate("fetch(" + icon["src"].dump()
                              + ").then(r => r.ok && r.headers.get('content-type'))"),
                    "image/png")
                    << icon;
            EXPECT_TRUE(waitUntil(
                [&] { return p.eval("!!navigator.serviceWorker.controller") == "true"; }, 10000));
            p.browser->command("Network.enable", json::object());
            p.browser->command("Network.setCacheDisabled", { { "cacheDisabled", true } });
            p.stopServer();
            ASSERT_TRUE(p.open());
            p.play({ 4, 1, 4, 3 }, 0.1f);
            EXPECT_EQ(parseDump(p.dump())[4][3], 6);
        } },
    { "Escape ends the game with no error, and Enter on Play again starts a new one",
        [](page& p) {
            p.key(escape);
            EXPECT_EQ(p.eval("document.getElementById('notice').hidden"), "false");
            EXPECT_EQ(p.eval("document.activeElement.firstChild.textContent"), "Play again");
            p.snapshot("ended");
            for (const std::string& e : p.browser->errors())
                ADD_FAILURE() << e;
            if (p.name == "firefox")
                return; // its BiDi keys press no button, not even on a page of one button
            p.key(enter);
            EXPECT_TRUE(waitUntil(
                [&] {
                    try {
                        return p.log() == testing_support::welcomeText;
                    } catch (const std::exception&) {
                        return false; // the old page going
                    }
                },
                15000));
        } },
};

class Web : public testing::TestWithParam<const char*> { };

TEST_P(Web, PlaysInTheBrowser)
{
    page p(GetParam(), 700, 550);
    for (const auto& [what, run] : steps) {
        SCOPED_TRACE(what);
        run(p);
    }
    for (const std::string& e : p.browser->errors())
        ADD_FAILURE() << e;
}

INSTANTIATE_TEST_SUITE_P(Engines, Web, testing::Values("chromium", "firefox", "webkit"),
    [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
