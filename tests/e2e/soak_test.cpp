// SPDX-License-Identifier: MIT
#include "e2e/board_view.h"
#include "e2e/program.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

using namespace e2e;

// Random menu entries, never "Quit": each path with the entry counts of its levels.
void randomMenu(program& p, std::mt19937& r)
{
    switch (r() % 4) {
    case 0:
        p.chooseMenu({ 0, static_cast<int>(r() % 2) }, { 5, 2 });
        break;
    case 1:
        p.chooseMenu({ 1, static_cast<int>(r() % 2) }, { 5, 2 });
        break;
    case 2: {
        int sub = static_cast<int>(r() % 3);
        int entries = sub == 0 ? 3 : 7;
        p.chooseMenu({ 2, sub, static_cast<int>(r() % entries) }, { 5, 3, entries });
        break;
    }
    default:
        p.chooseMenu({ 3 }, { 5 });
        break;
    }
}

bool wellFormedDump(const std::string& dump)
{
    std::istringstream in(dump);
    std::string line;
    for (int row = 0; row < 8; ++row) {
        if (!std::getline(in, line))
            return false;
        std::istringstream codes(line);
        int code, count = 0;
        while (codes >> code) {
            if (code < 0 || code > 16 || code == 10 || (code > 6 && code < 11))
                return false;
            ++count;
        }
        if (count != 8)
            return false;
    }
    return std::getline(in, line) && line.empty() && std::getline(in, line) && line.empty();
}

TEST(Soak, RandomInputForAWhileLeavesAWorkingProgram)
{
    const char* env = std::getenv("SOAK_SECONDS");
    const int seconds = env != nullptr ? std::atoi(env) : 6;
    std::mt19937 r(20261208);
    program p;
    ASSERT_TRUE(p.waitForOutput("Otherwise"));
    const char* keys[] = { "z", "d", "a", "shift+z", "alt+d", "F1", "Left", "Return", "space" };
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int actions = 0;
    while (std::chrono::steady_clock::now() < end && p.running()) {
        const rect w = p.window();
        const int roll = static_cast<int>(r() % 100);
        if (roll < 60) {
            int x0 = static_cast<int>(r() % static_cast<unsigned>(w.width));
            int y0 = static_cast<int>(r() % static_cast<unsigned>(w.height));
            int x1 = static_cast<int>(r() % static_cast<unsigned>(w.width + 100)) - 50;
            int y1 = static_cast<int>(r() % static_cast<unsigned>(w.height + 100)) - 50;
            p.drag(x0, y0, x1, y1);
        } else if (roll < 75) {
            p.key(keys[r() % 9]);
        } else if (roll < 88) {
            randomMenu(p, r);
        } else if (roll < 96) {
            p.resize(200 + static_cast<int>(r() % 700), 200 + static_cast<int>(r() % 700));
        } else {
            p.moveTo(w.width / 2, w.height / 2);
            std::system("xdotool click 2");
        }
        ++actions;
    }
    ASSERT_TRUE(p.running()) << p.errors();
    p.drain();
    std::string dump = p.dump();
    EXPECT_TRUE(wellFormedDump(dump)) << dump;
    p.key("Escape");
    EXPECT_EQ(p.waitForExit(), 0);
    EXPECT_EQ(p.errors(), "");
    RecordProperty("actions", actions);
}

} // namespace
