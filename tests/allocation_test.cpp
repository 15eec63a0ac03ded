// SPDX-License-Identifier: MIT
// Counts this program's own heap allocations (global operator new) while frames are drawn and
// pieces dragged, and the whole heap's growth over presses, the GL driver's and toolkit's too.
#include "support/gl_fixture.h"
#include "support/heap.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>
#include <string>

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

// Presses as a player makes them, through the X server and the toolkit: moves, undos, refused
// drops and presses on empty squares. Once warm the heap stays flat. The least growth of three
// rounds counts, lest a cache filled once be taken for a leak; 1 KB a press adds 90 KB to each.
TEST_F(Allocations, HeapFlatOverPressesThroughTheServer)
{
    constexpr int presses = 90;
    struct {
        int newGame, column, row, toColumn, toRow, refusedRow;
    } const games[] = { { 3, 4, 1, 4, 3, 4 }, { 1, 2, 2, 3, 3, 4 } }; // e2-e4 and e2-e5; checkers
    for (const auto& g : games) {
        SCOPED_TRACE(g.newGame);
        menu(g.newGame);
        auto at = [&](int c, int r) {
            return " mousemove --window %w " + std::to_string(px(c)) + " " + std::to_string(gy(r));
        };
        auto drag = [&](int c, int r) {
            return at(g.column, g.row) + " mousedown 1" + at(c, r) + " mouseup 1";
        };
        std::string round;
        for (int i = 0; i < presses / 3; ++i)
            round += drag(g.toColumn, g.toRow) + " key z" + drag(g.column, g.refusedRow)
                + " mousedown 1 mouseup 1";
        long least = LONG_MAX;
        for (int r = 0; r < 4; ++r) { // the first warms up
            const long before = heapInUse();
            playThroughServer(round, presses);
            if (r > 0)
                least = std::min(least, heapInUse() - before);
        }
        EXPECT_LT(least, presses * 256L) << "bytes over " << presses << " presses";
    }
}

} // namespace
