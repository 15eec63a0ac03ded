// SPDX-License-Identifier: MIT
#include "e2e/program.h"
#include "support/dumps.h"

#include <cstdlib>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string findPackage()
{
    DIR* d = opendir(PACKAGE_DIR);
    if (d == nullptr)
        return "";
    std::string found;
    while (dirent* entry = readdir(d)) {
        std::string name = entry->d_name;
        if (name.size() > 4 && name.substr(name.size() - 4) == ".deb")
            found = std::string(PACKAGE_DIR) + "/" + name;
    }
    closedir(d);
    return found;
}

bool exists(const std::string& path)
{
    struct stat s;
    return stat(path.c_str(), &s) == 0;
}

TEST(Package, InstalledIntoAScratchRootItStartsAndShowsItsWindow)
{
    const std::string deb = findPackage();
    if (deb.empty())
        GTEST_SKIP() << "no .deb in " << PACKAGE_DIR << ": 'make package' builds one there";
    char scratch[] = "/tmp/chess-checkers-root-XXXXXX";
    ASSERT_NE(mkdtemp(scratch), nullptr);
    const std::string root = scratch;
    ASSERT_EQ(std::system(("dpkg -x " + deb + " " + root).c_str()), 0);

    for (const char* file :
        { "/usr/games/chess-checkers", "/usr/share/applications/chess-checkers.desktop",
            "/usr/share/metainfo/org.chesscheckers.ChessCheckers.metainfo.xml",
            "/usr/share/icons/hicolor/scalable/apps/chess-checkers.svg",
            "/usr/share/icons/hicolor/16x16/apps/chess-checkers.png",
            "/usr/share/icons/hicolor/256x256/apps/chess-checkers.png",
            "/usr/share/man/man6/chess-checkers.6.gz", "/usr/share/doc/chess-checkers/copyright" })
        EXPECT_TRUE(exists(root + file)) << file;

    const std::string installed = root + "/usr/games/chess-checkers";
    e2e::expectAnswersWithoutAWindow(installed);

    {
        e2e::program p({ root + "/usr/games/chess-checkers" });
        EXPECT_TRUE(p.waitForOutput(testing_support::welcomeText));
        EXPECT_EQ(p.window().width, 550);
        EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 }));
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(), 0);
    }
    std::system(("rm -rf " + root).c_str());
}

} // namespace
