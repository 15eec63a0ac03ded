// SPDX-License-Identifier: MIT
// The Windows release as a player meets it, under Wine on the test display.
#include "e2e/board_view.h"
#include "e2e/program.h"
#include "support/dumps.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace e2e;

int shell(const std::string& command) { return std::system(command.c_str()); }

TEST(WindowsRelease, PlaysUnderWine)
{
    const char* exe = std::getenv("CHESS_CHECKERS_WINDOWS_EXE");
    ASSERT_NE(exe, nullptr) << "run through 'make test-windows'";
    // A 64-bit prefix of the test's own, made first: a first start is slow.
    char prefix[] = "/tmp/chess-checkers-wine-XXXXXX";
    ASSERT_NE(mkdtemp(prefix), nullptr);
    setenv("WINEPREFIX", prefix, 1);
    setenv("WINEARCH", "win64", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1); // no offer to fetch Mono or Gecko
    setenv("WINEDEBUG", "-all", 1);
    ASSERT_EQ(shell("wine wineboot --init >/dev/null 2>&1 && wineserver -w"), 0);
    {
        program p({ "wine", exe });
        EXPECT_TRUE(p.waitForOutput(testing_support::welcomeText, 10000));
        p.takeLines(11);
        EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 })); // square (0, 7), beside its rook
        dragPiece(p, 4, 1, 4, 3, 0.1f); // e2-e4
        EXPECT_EQ(parseDump(p.dump())[4][3], 6);
        // Without a window manager Wine may take a menu's first click to activate the menu's
        // window, unseen by the toolkit: the entry is chosen again then.
        for (int attempt = 0; attempt < 2 && parseDump(p.dump())[4][3] == 6; ++attempt)
            p.chooseMenu({ 3 }, { 5 }); // "Undo Move"
        EXPECT_EQ(p.dump(), testing_support::chessStartDump);
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(10000), 0);
    }
    // Nothing of Wine stays running (zombies aside; the brackets keep grep from finding itself).
    EXPECT_EQ(shell("wineserver -w"), 0);
    EXPECT_NE(shell("ps -eo stat=,args= | grep -v '^Z' | grep -E "
                    "'[w]ineserver|[w]inedevice|[s]ervices.exe|[e]xplorer.exe|[p]lugplay'"),
        0);
    shell(std::string("rm -rf ") + prefix);
}

} // namespace
