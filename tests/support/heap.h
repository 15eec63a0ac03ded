// SPDX-License-Identifier: MIT
#pragma once
#include <malloc.h>

// Null unless a sanitizer's malloc, which glibc's counters never see, is linked in.
extern "C" unsigned long __sanitizer_get_current_allocated_bytes() __attribute__((weak));

// Bytes allocated and not yet freed, as the allocator in use counts them.
inline long heapInUse()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return static_cast<long>(__sanitizer_get_current_allocated_bytes());
    return static_cast<long>(mallinfo2().uordblks + mallinfo2().hblkhd);
}
