// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <malloc.h>

// Weak: null unless a sanitizer runtime is linked in.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace testing_support {

// Bytes allocated and not yet freed, as the allocator in use counts them: a sanitizer's malloc
// is not glibc's, which then sees nothing.
inline long heapInUse()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return static_cast<long>(__sanitizer_get_current_allocated_bytes());
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

} // namespace testing_support
