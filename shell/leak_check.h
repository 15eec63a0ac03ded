// SPDX-License-Identifier: MIT
#pragma once

// gcc announces AddressSanitizer with a macro of its own, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define CHESS_CHECKERS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CHESS_CHECKERS_ASAN 1
#endif
#endif
#if defined(CHESS_CHECKERS_ASAN)
#include <sanitizer/lsan_interface.h>
#endif

// In a sanitizer build, looks for leaks now, while the GL driver is still loaded: its own
// teardown during exit strands blocks that would otherwise be reported against this program.
// Elsewhere it does nothing.
inline void checkLeaksNow()
{
#if defined(CHESS_CHECKERS_ASAN)
    __lsan_do_leak_check();
#endif
}
