// SPDX-License-Identifier: MIT
// Counts this program's own heap allocations (global operator new) while frames are drawn and
// pieces dragged, and the whole heap's growth over presses, the GL driver's and toolkit's too.
#include "support/gl_fixture.h"
#include "support/heap.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include <GL/glx.h> // last: Xlib's macros clash with other headers' names

namespace {
std::atomic<long> allocations { 0 };
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace testing_support;

using Allocations = GlTest;

TEST_F(Allocations, NonePerFrameNorPerDragEvent)
{
    for (int game : { 3, 1 }) { // chess, then checkers
        SCOPED_TRACE(game);
        menu(game);
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, px(1), py(1, 0.2f)); // lift a piece
        display();
        const long before = allocations;
        for (int i = 0; i < 100; ++i) {
            mousemove(px(1) + i % 40, py(2) - i % 40);
            display();
        }
        EXPECT_EQ(allocations - before, 0);
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, px(1), py(1, 0.2f)); // put back: no move, no record
        const long afterRelease = allocations;
        for (int i = 0; i < 20; ++i)
            display();
        EXPECT_EQ(allocations - afterRelease, 0);
    }
}

// Presses through the X server and the toolkit, each with its frame: a move and its undo, a
// refused drop, an empty square. Once warm, the least growth of three rounds (a cache filled
// once is no leak) stays under 256 bytes a press, in both games.
TEST_F(Allocations, HeapFlatOverPressesThroughTheServer)
{
    const std::string window = " mousemove --window " + std::to_string(glXGetCurrentDrawable());
    const int games[2][6] = { { 3, 4, 1, 4, 3, 4 }, { 1, 2, 2, 3, 3, 4 } }; // e2-e4, e5; c3-d4, c5
    for (const auto& g : games) {
        menu(g[0]);
        auto at = [&](int c, int r) {
            return window + " " + std::to_string(px(c)) + " " + std::to_string(gy(r));
        };
        const std::string lift = "xdotool" + at(g[1], g[2]) + " mousedown 1";
        const std::string presses[] = { lift + at(g[3], g[4]) + " mouseup 1 key z",
            lift + at(g[1], g[5]) + " mouseup 1", "xdotool mousedown 1 mouseup 1" };
        std::vector<long> growth;
        for (int round = 0; round < 4; ++round) {
            const long before = heapInUse();
            for (int i = 0; i < 90; ++i) {
                ASSERT_EQ(std::system(presses[i % 3].c_str()), 0);
                XSync(glXGetCurrentDisplay(), False);
                pumpEvents();
            }
            growth.push_back(heapInUse() - before);
        }
        EXPECT_LT(*std::min_element(growth.begin() + 1, growth.end()), 90 * 256); // 1 KB: 90 KB
    }
}

} // namespace
