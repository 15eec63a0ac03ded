// SPDX-License-Identifier: MIT
#include "support/gl_env.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; running them does, and fails without one.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    testing_support::openGlWindow();
    int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // While the GL driver is loaded; its exit-time teardown strands blocks of its own.
    __lsan_do_leak_check();
#endif
    testing_support::releaseGlContext();
    return result;
}
