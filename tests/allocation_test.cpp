// SPDX-License-Identifier: MIT
// Counts this program's own heap allocations (global operator new) while frames are drawn and
// pieces dragged. The GL driver's C allocations are not counted: they are not this code's.
#include "support/gl_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

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

} // namespace
