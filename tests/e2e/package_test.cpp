#include "e2e/program.h"

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
    ASSERT_FALSE(deb.empty()) << "no .deb in " << PACKAGE_DIR << ": run 'make package'";
    char scratch[] = "/tmp/chess-checkers-root-XXXXXX";
    ASSERT_NE(mkdtemp(scratch), nullptr);
    const std::string root = scratch;
    ASSERT_EQ(std::system(("dpkg -x " + deb + " " + root).c_str()), 0);

    for (const char* file :
        { "/usr/games/chess-checkers", "/usr/share/applications/chess-checkers.desktop",
            "/usr/share/icons/hicolor/scalable/apps/chess-checkers.svg",
            "/usr/share/man/man6/chess-checkers.6" })
        EXPECT_TRUE(exists(root + file)) << file;

    {
        e2e::program p(root + "/usr/games/chess-checkers");
        EXPECT_TRUE(p.waitForOutput("Welcome to Quor's OpenGL Chess & Checkers program.\n"));
        EXPECT_TRUE(p.waitForOutput("Otherwise, all moves and rules still apply.\n"));
        EXPECT_EQ(p.window().width, 550);
        EXPECT_TRUE(p.waitForPixel(60, 5, { 255, 255, 255 }));
        p.key("Escape");
        EXPECT_EQ(p.waitForExit(), 0);
    }
    std::system(("rm -rf " + root).c_str());
}

} // namespace
