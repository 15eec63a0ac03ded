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

// Starts the program; if the window has its first size, plays e2-e4 and takes it back with "Undo
// Move" from the menu; quits with Escape. The window's width and what went to standard error.
std::pair<int, std::string> playE2E4(const std::string& exe)
{
    program p({ "wine", exe });
    EXPECT_TRUE(p.waitForOutput(testing_support::welcomeText, 10000));
    p.takeLines(11);
    // Without a window manager Wine takes the first click on a new window to activate it.
    const rect w = p.window();
    p.click(w.width / 2, w.height / 2); // between rows 3 and 4, empty at the start
    if (w.width == testing_support::startWindow) {
        EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 })); // square (0, 7), beside its rook
        dragPiece(p, 4, 1, 4, 3, 0.1f);
        EXPECT_EQ(parseDump(p.dump())[4][3], 6);
        // Without a window manager Wine may take a menu's first click to activate the menu's
        // window, unseen by the toolkit: the entry is chosen again then.
        for (int attempt = 0; attempt < 2 && parseDump(p.dump())[4][3] == 6; ++attempt)
            p.chooseMenu({ 3 }, { 5 }); // "Undo Move"
        EXPECT_EQ(p.dump(), testing_support::chessStartDump);
    }
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(10000), 0);
    return { w.width, p.errors() };
}

// The installer as a player runs it: it asks for nothing (no folder, where a player without
// administrator rights could pick one out of reach) and closes when done; then the program from
// its Start-menu entry at 100 % and at 200 %, then the uninstaller, which leaves nothing behind.
void installPlayAndUninstall(const std::string& setup, const std::string& prefix)
{
    ASSERT_EQ(shell("timeout 120 wine \"" + setup + "\" && wineserver -w"), 0);
    const std::string user = prefix + "/drive_c/users/" + commandOutput("id -un | tr -d \"\\n\"");
    const std::string shortcut
        = user + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Chess & Checkers.lnk";
    const std::string key
        = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\chess-checkers";
    const std::string entry = commandOutput("wine reg query \"" + key + "\"");
    for (const char* value : { "DisplayName    REG_SZ    Chess & Checkers",
             "DisplayVersion    REG_SZ    " CHESS_CHECKERS_VERSION, "Publisher", "DisplayIcon",
             "InstallLocation", "EstimatedSize", "QuietUninstallString" })
        EXPECT_NE(entry.find(value), std::string::npos) << value;
    const std::string target = commandOutput(
        "strings \"" + shortcut + "\" | grep -m 1 \"^C:.*[.]exe$\" | tr -d \"\\n\"");
    const std::string exe
        = commandOutput("realpath \"$(winepath -u \"" + target + "\")\" | tr -d \"\\n\"");
    EXPECT_EQ(exe, user + "/AppData/Local/Programs/Chess & Checkers/chess-checkers.exe");
    const std::string resources = commandOutput("wrestool -l \"" + exe + "\"");
    for (const char* resource : { "--type=14 --name='GLUT_ICON'", "--type=16", "--type=24" })
        EXPECT_NE(resources.find(resource), std::string::npos) << resource;
    const std::string help = commandOutput("wine \"" + exe + "\" --help");
    EXPECT_NE(help.find("-geometry"), std::string::npos);
    EXPECT_EQ(help.find("-display"), std::string::npos); // an X option, no Windows one
    // DISPLAY, which Wine passes on, is no display device to the program.
    EXPECT_EQ(playE2E4(exe).second.find("CreateDC"), std::string::npos);
    ASSERT_EQ(
        shell("wine reg add \"HKCU\\Control Panel\\Desktop\" /v LogPixels /t REG_DWORD /d 192 /f"
              " >/dev/null 2>&1 && wineserver -w"),
        0);
    EXPECT_GE(playE2E4(exe).first, 1000);
    ASSERT_EQ(shell("wine \"" + target.substr(0, target.rfind('\\'))
                  + "\\uninstall.exe\" /S && wineserver -w"),
        0);
    EXPECT_EQ(commandOutput("find \"" + user + "/AppData/Local/Programs\" -mindepth 1; test -e \""
                  + shortcut + "\" || wine reg query \"" + key + "\" >/dev/null 2>&1 || echo gone"),
        "gone\n");
}

TEST(WindowsRelease, ZipAndInstallerPlayUnderWine)
{
    const char* exe = std::getenv("CHESS_CHECKERS_WINDOWS_EXE");
    const char* setup = std::getenv("CHESS_CHECKERS_WINDOWS_SETUP");
    ASSERT_TRUE(exe != nullptr && setup != nullptr) << "run through 'make test-windows'";
    // A 64-bit prefix of the test's own, made first: a first start is slow.
    char prefix[] = "/tmp/chess-checkers-wine-XXXXXX";
    ASSERT_NE(mkdtemp(prefix), nullptr);
    setenv("WINEPREFIX", prefix, 1);
    setenv("WINEARCH", "win64", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1); // no offer to fetch Mono or Gecko
    setenv("WINEDEBUG", "-all", 1);
    ASSERT_EQ(shell("wine wineboot --init >/dev/null 2>&1 && wineserver -w"), 0);
    playE2E4(exe);
    installPlayAndUninstall(setup, prefix);
    // Nothing of Wine stays running (zombies aside; the brackets keep grep from finding itself).
    EXPECT_EQ(shell("wineserver -w"), 0);
    EXPECT_NE(shell("ps -eo stat=,args= | grep -v '^Z' | grep -E "
                    "'[w]ineserver|[w]inedevice|[s]ervices.exe|[e]xplorer.exe|[p]lugplay'"),
        0);
    shell(std::string("rm -rf ") + prefix);
}

} // namespace
